#ifndef VORNIX_TEXTFILE_H
#define VORNIX_TEXTFILE_H
// Output in the Windows text-mode form on every system: files are opened in binary and every "\n"
// written through these functions is stored as CR LF, so Linux and Windows write the same bytes.

#include <stdarg.h>
#include <stdio.h>
#include <stddef.h>

// Creates (or replaces) the file of the code page 932 name for writing. NULL on failure.
FILE* createTextFile(const char* name);

// Writes length bytes of text, each "\n" as CR LF. Returns 1 on success, 0 on a write error.
int writeTextN(FILE* file, const char* text, size_t length);

// Writes a terminated text, each "\n" as CR LF. Returns 1 on success, 0 on a write error.
int writeText(FILE* file, const char* text);

// printf-style formatted output, each "\n" as CR LF. Returns the number of bytes formatted (before
// the CR LF translation), or a negative value on error.
int textPrintf(FILE* file, const char* format, ...) __attribute__((format(printf, 2, 3)));

// The same with the arguments as a va_list (for writers that are printf-style themselves).
int textVPrintf(FILE* file, const char* format, va_list args) __attribute__((format(printf, 2, 0)));

#endif
