#ifndef VORNIX_TEXTROW_H
#define VORNIX_TEXTROW_H
// One line of a tab-separated table (or several), built in memory and written in one piece, "\n" as
// CR LF like everything written through TextFile.h. Numbers are formatted here, not by printf: the tables have
// a row per game or per opponent, and printf would take much of a run's time. The bytes are exactly
// those of the printf formats named below.

#include "text/Bytes.h"
#include "text/NumberText.h"

#include <math.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

enum { TEXT_ROW_SIZE = 1024 };

struct TextRow {
    FILE* file;                // where the row goes
    char* bytes;               // the row so far, as it goes into the file (line feeds as CR LF): own,
                               // or a caller's buffer for many rows
    size_t size;               // bytes of that buffer
    size_t length;             // bytes in use
    size_t unsynced;           // bytes written since the disk was last asked to take them
    char own[TEXT_ROW_SIZE];   // the buffer of a single row
};

// Starts an empty row for file, in the row's own buffer.
void startRow(TextRow* row, FILE* file);

// The same in buffer (size bytes, at least TEXT_ROW_SIZE, the caller's until the last writeRow), for
// the rows of a whole table: they gather there and go out in one write whenever it fills, and at
// writeRow.
void startRowsIn(TextRow* row, FILE* file, char* buffer, size_t size);

// Appends bytes, each "\n" as CR LF; a row that would overflow is written out first (an automatic
// flush, as rowByte does too), so nothing is ever cut. A write error of such a flush, like one of
// writeRow, is not returned: it stays in the stream's error indicator, which finishOutputFile checks,
// so the file is then not placed.
void rowBytes(TextRow* row, const char* bytes, size_t length);

// Appends a terminated text.
void rowText(TextRow* row, const char* text);

// Appends a terminated text that holds no line feed (a field of the log: a lobby, a room), as it is.
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

// The rows of a table are appended without a check per field: rowSpace makes room once for the
// longest form of the fields to come, the put functions below write at the cursor it returns, each
// returning the cursor after what it wrote, and rowSpaceUsed ends the row's bytes there. A put needs
// the room named with it; it writes no line feed.

enum {
    ROW_INTEGER_ROOM = 20,   // "%lld" of any value, "-9223372036854775808"
    ROW_WHOLE_ROOM = 40      // "%.0f" of any float, "-340282346638528859811704183484516925440"
};

// Returns the end of the row, with at least room bytes (at most TEXT_ROW_SIZE) free after it: the
// rows gathered so far are written out first when fewer are free (an automatic flush, as in rowBytes).
inline char* rowSpace(TextRow* row, size_t room)
{
    if (row->length + room > row->size) writeRow(row);
    return row->bytes + row->length;
}

// The row now ends at end, a cursor of the puts since the last rowSpace.
inline void rowSpaceUsed(TextRow* row, char* end) { row->length = (size_t)(end - row->bytes); }

char* putRowBytesApart(TextRow* row, char* out, const char* bytes, size_t length, size_t room);

// Puts length bytes (no line feed, any number) at out, a cursor of row, and returns the cursor after
// them with room bytes (at most TEXT_ROW_SIZE) still free: when the bytes and that room don't fit,
// the row so far is written out first, and bytes longer than the whole buffer go straight to the file.
inline char* putRowBytes(TextRow* row, char* out, const char* bytes, size_t length, size_t room)
{
    if ((size_t)(row->bytes + row->size - out) >= length + room) {
        copyBytes(out, bytes, length);
        return out + length;
    }
    return putRowBytesApart(row, out, bytes, length, room);
}

// Puts the text kept in a buffer of size bytes (4 to 16: a name, a date) that holds its terminating
// zero. Needs size bytes: the whole buffer is copied, and the cursor moves past the text.
inline char* putHeldText(char* out, const char* text, size_t size)
{
    memcpy(out, text, size);   // of a constant size where inlined: a move or two, not a call
    return out + heldTextLength(text, size);
}

// Puts the decimal digits of magnitude, any size (ROW_INTEGER_ROOM).
char* putDigits(char* out, unsigned long long magnitude);

// Puts the digits of magnitude, a "-" before them when negative is 1 (ROW_INTEGER_ROOM). The
// magnitudes of the tables (ranks, scores, counts) mostly have one or two digits.
inline char* putSigned(char* out, unsigned long long magnitude, int negative)
{
    *out = '-';
    out += negative;
    if (magnitude < 10) {
        *out = (char)('0' + magnitude);
        return out + 1;
    }
    if (magnitude < 100) {
        memcpy(out, DIGIT_PAIRS + 2 * magnitude, 2);
        return out + 2;
    }
    return putDigits(out, magnitude);
}

// Puts "%lld" of value (ROW_INTEGER_ROOM).
inline char* putInteger(char* out, long long value)
{
    unsigned long long magnitude = value < 0 ? 0ull - (unsigned long long)value : (unsigned long long)value;
    return putSigned(out, magnitude, value < 0);
}

// Below this magnitude "%.0f" is written from a 64-bit integer; from there on (and for inf and NaN)
// printf itself writes it.
#define ROW_WHOLE_LIMIT 9.2e18

// Puts "%.0f" of a value whose magnitude (fabs of it) is below ROW_WHOLE_LIMIT, with a "-" when
// negative is 1 (ROW_INTEGER_ROOM). Adding and taking away 2^52 rounds a smaller magnitude to a whole
// number in the default mode, to nearest with halves to even, as printf and rint do (at 2^52 and
// above every double is whole); the sign is the value's, so that a value that rounds to zero keeps it.
inline char* putRounded(char* out, double magnitude, int negative)
{
    const double wholeFrom = 4503599627370496.0;
    if (magnitude < wholeFrom) magnitude = (magnitude + wholeFrom) - wholeFrom;
    return putSigned(out, (unsigned long long)(long long)magnitude, negative);
}

// Puts "%.0f" of value by printf, cut to ROW_WHOLE_ROOM bytes (which a float never reaches).
char* putWholeByPrintf(char* out, double value);

// Puts "%.0f" of value widened to double: the bytes of rowWhole (ROW_WHOLE_ROOM).
inline char* putWhole(char* out, float value)
{
    double magnitude = fabs((double)value);
    if (!(magnitude < ROW_WHOLE_LIMIT)) return putWholeByPrintf(out, value);
    return putRounded(out, magnitude, signbit(value) != 0);
}

#endif
