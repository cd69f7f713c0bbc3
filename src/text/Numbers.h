#ifndef VORNIX_NUMBERS_H
#define VORNIX_NUMBERS_H
// The number rules shared by the game log, the settings file, the dialog and the report: reading
// decimal text the one way each of them always has, and grouping digits.

#include <stddef.h>

// Reads decimal floating-point text: white space, optional sign, digits, optional fraction, optional
// exponent; no hexadecimal, "inf" or "nan", independent of the C locale. The value is truncated toward
// zero and clamped to the 32-bit range; text without digits reads as 0. *end (when end is not NULL)
// points at the first byte that does not belong to the number (text itself when there was none).
int readDecimal(const char* text, const char** end);

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
