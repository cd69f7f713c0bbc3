#ifndef VORNIX_NUMBERS_H
#define VORNIX_NUMBERS_H
// The number rules shared by the game log, the settings file, the dialog and the report: reading
// decimal text the one way each of them always has, and grouping digits.

#include <stddef.h>

// Reads decimal floating-point text: white space, optional sign, digits, optional fraction, optional
// exponent; no hexadecimal, "inf" or "nan", independent of the C locale. The value is truncated toward
// zero and clamped to the 32-bit range; text without digits reads as 0. *end (when end is not NULL)
// points at the first byte that does not belong to the number (text itself when there was none).
inline int readDecimal(const char* text, const char** end);

// readDecimal's general walk, for any text.
int readDecimalText(const char* text, const char** end);

// The usual number of the game log, a plain integer of at most nine digits with no fraction and no
// exponent, is read without the general walk: 1 with *value (and *end) set; 0, having read nothing,
// for any other text.
inline int readShortInteger(const char* text, const char** end, int* value)
{
    const char* p = text;
    while (*p == ' ') p++;   // the log's numbers stand right-aligned in spaces
    while (*p == ' ' || (unsigned)(*p - '\t') <= '\r' - '\t') p++;
    int negative = *p == '-';
    if (*p == '+' || *p == '-') p++;
    const char* digits = p;
    int magnitude = 0;
    while ((unsigned)(*p - '0') <= 9 && p - digits < 9) magnitude = magnitude * 10 + (*p++ - '0');
    if (p == digits || (unsigned)(*p - '0') <= 9 || *p == '.' || *p == 'e' || *p == 'E') return 0;
    *value = negative ? -magnitude : magnitude;
    if (end) *end = p;
    return 1;
}

inline int readDecimal(const char* text, const char** end)
{
    int value;
    return readShortInteger(text, end, &value) ? value : readDecimalText(text, end);
}

// 1 if the text read by the rule of readDecimal, before truncation, is exactly 1 ("1", "1.0",
// "+1e0"); 0 otherwise.
int decimalIsOne(const char* text);

// The leading-integer rule of the dialog's rate boxes: white space, optional sign, decimal digits up
// to the first other byte; no digits give 0; clamped to the 32-bit range.
int readLeadingInteger(const char* text);

// Copies the decimal digits into out with a "," before every group of three counted from the right
// ("1234567" gives "1,234,567"), cut to size - 1 bytes. Returns the output length.
size_t groupDigits(char* out, size_t size, const char* digits);

#endif
