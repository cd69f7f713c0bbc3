#ifndef VORNIX_TEXTROW_H
#define VORNIX_TEXTROW_H
// One line of a tab-separated table (or several), built in memory and written in one piece, "\n" as
// CR LF like everything written through TextFile.h. Numbers are formatted here, not by printf: the tables have
// a row per game or per opponent, and printf would take much of a run's time. The bytes are exactly
// those of the printf formats named below.

#include <stddef.h>
#include <stdio.h>

enum { TEXT_ROW_SIZE = 1024 };

struct TextRow {
    FILE* file;                // where the row goes
    char* bytes;               // the row so far, as it goes into the file (line feeds as CR LF): own,
                               // or a caller's buffer for many rows
    size_t size;               // bytes of that buffer
    size_t length;             // bytes in use
    char own[TEXT_ROW_SIZE];   // the buffer of a single row
};

// Starts an empty row for file, in the row's own buffer.
void startRow(TextRow* row, FILE* file);

// The same in buffer (size bytes, the caller's until the last writeRow), for the rows of a whole
// table: they gather there and go out in one write whenever it fills, and at writeRow.
void startRowsIn(TextRow* row, FILE* file, char* buffer, size_t size);

// Appends bytes, each "\n" as CR LF; a row that would overflow is written out first (an automatic
// flush, as rowByte does too), so nothing is ever cut. A write error of such a flush, like one of
// writeRow, is not returned: it stays in the stream's error indicator, which finishOutputFile checks,
// so the file is then not placed.
void rowBytes(TextRow* row, const char* bytes, size_t length);

// Appends a terminated text.
void rowText(TextRow* row, const char* text);

// Appends a terminated text that holds no line feed (a field of the log: a name, a date, a room), as
// it is, byte by byte: the fields are short, and their length is found as they are copied.
void rowField(TextRow* row, const char* text);

// Writes the row (or the rows gathered so far) to its file and empties it. Returns 1 on success, 0
// on a write error (which also sets the stream's error indicator).
int writeRow(TextRow* row);

// Appends one byte (a tab, a line feed as CR LF). Inline: the tables append one or two per field.
inline void rowByte(TextRow* row, char byte)
{
    if (row->length + 2 > row->size) writeRow(row);
    if (byte == '\n') row->bytes[row->length++] = '\r';
    row->bytes[row->length++] = byte;
}

// Appends "%lld" of value.
void rowInteger(TextRow* row, long long value);

// Appends "%.0f" of value: rounded to a whole number, halves to even; "-0" for a negative value that
// rounds to zero.
void rowWhole(TextRow* row, double value);

#endif
