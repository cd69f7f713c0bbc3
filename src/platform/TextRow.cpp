#include "platform/TextRow.h"

#include "text/Bytes.h"

#include <math.h>
#include <string.h>

void startRow(TextRow* row, FILE* file)
{
    startRowsIn(row, file, row->own, sizeof row->own);
}

void startRowsIn(TextRow* row, FILE* file, char* buffer, size_t size)
{
    row->file = file;
    row->bytes = buffer;
    row->size = size;
    row->length = 0;
}

// Appends bytes that hold no line feed, as they are.
static void appendRaw(TextRow* row, const char* bytes, size_t length)
{
    if (row->length + length > row->size) writeRow(row);
    if (length > row->size) {
        fwrite(bytes, 1, length, row->file);
        return;
    }
    copyBytes(row->bytes + row->length, bytes, length);
    row->length += length;
}

void rowBytes(TextRow* row, const char* bytes, size_t length)
{
    const char* end = bytes + length;
    for (;;) {
        const char* lineFeed = findByte(bytes, '\n', (size_t)(end - bytes));
        if (!lineFeed) break;
        appendRaw(row, bytes, (size_t)(lineFeed - bytes));
        appendRaw(row, "\r\n", 2);
        bytes = lineFeed + 1;
    }
    appendRaw(row, bytes, (size_t)(end - bytes));
}

void rowText(TextRow* row, const char* text)
{
    rowBytes(row, text, textLength(text));
}

void rowField(TextRow* row, const char* text)
{
    char* out = row->bytes + row->length;
    char* end = row->bytes + row->size;
    for (; *text; text++) {
        if (out == end) {
            row->length = row->size;
            writeRow(row);
            out = row->bytes;
        }
        *out++ = *text;
    }
    row->length = (size_t)(out - row->bytes);
}

// "00" to "99": two digits per division.
static const char DIGIT_PAIRS[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

// The digits of magnitude, with a leading "-" when negative is 1.
static void appendDigits(TextRow* row, unsigned long long magnitude, int negative)
{
    char digits[24];
    char* end = digits + sizeof digits;
    char* p = end;
    while (magnitude >= 100) {
        p -= 2;
        memcpy(p, DIGIT_PAIRS + 2 * (magnitude % 100), 2);
        magnitude /= 100;
    }
    if (magnitude >= 10) {
        p -= 2;
        memcpy(p, DIGIT_PAIRS + 2 * magnitude, 2);
    } else {
        *--p = (char)('0' + magnitude);
    }
    if (negative) *--p = '-';
    appendRaw(row, p, (size_t)(end - p));
}

void rowInteger(TextRow* row, long long value)
{
    unsigned long long magnitude = value < 0 ? 0ull - (unsigned long long)value : (unsigned long long)value;
    appendDigits(row, magnitude, value < 0);
}

void rowWhole(TextRow* row, double value)
{
    // rint rounds in the default mode, to nearest with halves to even, as printf does; it keeps the
    // sign of a value that rounds to zero. Beyond 2^63 (and for inf and NaN) printf itself is used.
    double rounded = rint(value);
    if (fabs(rounded) < 9.2e18) {
        appendDigits(row, (unsigned long long)fabs(rounded), signbit(rounded) != 0);
        return;
    }
    char text[400];
    int length = snprintf(text, sizeof text, "%.0f", value);
    if (length > 0) appendRaw(row, text, (size_t)length < sizeof text ? (size_t)length : sizeof text - 1);
}

int writeRow(TextRow* row)
{
    int ok = fwrite(row->bytes, 1, row->length, row->file) == row->length;
    row->length = 0;
    return ok;
}
