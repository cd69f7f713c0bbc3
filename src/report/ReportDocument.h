#ifndef VORNIX_REPORTDOCUMENT_H
#define VORNIX_REPORTDOCUMENT_H
// The report's writer onto reportStream and its document head.

extern const char programVersion[];   // VORNIX_VERSION of Version.h, shown in the title

// Formats by the printf rules onto reportStream, each "\n" as CR LF. Returns the number of bytes
// formatted, or a negative value on error (nobody needs to look).
int reportPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Writes the document head up to "<BODY>" with the style sheet of settings.colorScheme; the title is
// titleFormat formatted with the further arguments.
void writeReportHead(const char* titleFormat, ...) __attribute__((format(printf, 1, 2)));

#endif
