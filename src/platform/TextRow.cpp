#include "platform/TextRow.h"

#include "platform/platform.h"

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
    row->unsynced = 0;
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
    appendRaw(row, text, textLength(text));
}

static const unsigned long long POWERS_OF_TEN[20] = {
    1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull, 10000000ull, 100000000ull,
    1000000000ull, 10000000000ull, 100000000000ull, 1000000000000ull, 10000000000000ull,
    100000000000000ull, 1000000000000000ull, 10000000000000000ull, 100000000000000000ull,
    1000000000000000000ull, 10000000000000000000ull,
};

// The number of decimal digits of magnitude (1 for 0).
static int digitCount(unsigned long long magnitude)
{
#ifdef __GNUC__
    // (bits * 1233) >> 12 is bits * log10(2) rounded down (up to 64 bits): a magnitude of that many
    // bits has that many digits or one more. An odd magnitude has the digits of the even one below.
    magnitude |= 1;
    int bits = 64 - __builtin_clzll(magnitude);
    int digits = (bits * 1233) >> 12;
    return digits + (magnitude >= POWERS_OF_TEN[digits]);
#else
    int digits = 1;
    while (digits < 20 && magnitude >= POWERS_OF_TEN[digits]) digits++;
    return digits;
#endif
}

#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
// The digits of a magnitude below 10^8 as eight bytes, the first digit lowest, with leading zeros:
// the halves of four digits, their pairs and their digits split side by side in one word, by
// multiplying instead of dividing (x * 10486 >> 20 is x / 100 for x below 43699, y * 103 >> 10 is
// y / 10 for y below 179).
static uint64_t eightDigits(uint32_t magnitude)
{
    uint32_t high = magnitude / 10000;
    uint64_t halves = high | (uint64_t)(magnitude - high * 10000) << 32;
    uint64_t hundreds = (halves * 10486 >> 20) & 0x0000007F0000007Full;
    uint64_t pairs = hundreds | (halves - hundreds * 100) << 16;
    uint64_t tens = (pairs * 103 >> 10) & 0x000F000F000F000Full;
    return (tens | (pairs - tens * 10) << 8) + 0x3030303030303030ull;
}
#endif

char* putDigits(char* out, unsigned long long magnitude)
{
    int count = digitCount(magnitude);
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // Scores, rates and amounts: one word, its leading zeros shifted out, stored whole.
    if (count <= 8) {
        uint64_t digits = eightDigits((uint32_t)magnitude) >> 8 * (8 - count);
        memcpy(out, &digits, 8);
        return out + count;
    }
#endif
    putDigitsBefore(out + count, magnitude);
    return out + count;
}

char* putRowBytesApart(TextRow* row, char* out, const char* bytes, size_t length, size_t room)
{
    rowSpaceUsed(row, out);
    appendRaw(row, bytes, length);
    return rowSpace(row, room);
}

void rowInteger(TextRow* row, long long value)
{
    rowSpaceUsed(row, putInteger(rowSpace(row, ROW_INTEGER_ROOM), value));
}

char* putWholeByPrintf(char* out, double value)
{
    char text[400];
    int length = snprintf(text, sizeof text, "%.0f", value);
    if (length <= 0) return out;
    if (length > ROW_WHOLE_ROOM) length = ROW_WHOLE_ROOM;
    memcpy(out, text, (size_t)length);
    return out + length;
}

void rowWhole(TextRow* row, double value)
{
    double magnitude = fabs(value);
    if (magnitude < ROW_WHOLE_LIMIT) {
        rowSpaceUsed(row, putRounded(rowSpace(row, ROW_INTEGER_ROOM), magnitude, signbit(value) != 0));
        return;
    }
    // A double beyond a float's range can take some 310 bytes.
    char text[400];
    int length = snprintf(text, sizeof text, "%.0f", value);
    if (length > 0) appendRaw(row, text, (size_t)length < sizeof text ? (size_t)length : sizeof text - 1);
}

// A table of many megabytes goes to the disk while the log is still read, a few megabytes at a time,
// so that its sync before the rename does not wait for all of it at the end.
enum { WRITEBACK_STEP = 4 * 1024 * 1024 };

int writeRow(TextRow* row)
{
    int ok = fwrite(row->bytes, 1, row->length, row->file) == row->length;
    row->unsynced += row->length;
    row->length = 0;
    if (row->unsynced >= WRITEBACK_STEP) {
        startFileWriteback(row->file);
        row->unsynced = 0;
    }
    return ok;
}
