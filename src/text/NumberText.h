#ifndef VORNIX_NUMBERTEXT_H
#define VORNIX_NUMBERTEXT_H
// Numbers as printf formats them, without printf, for tables with a row per month, game or
// opponent, where printf would take much of a run's time. Each writes at most size - 1 bytes into
// out, always terminated when size is not 0, and returns the length written.

#include <stddef.h>

// "00" to "99": two digits per division, for every writer of numbers.
extern const char DIGIT_PAIRS[201];

// Writes the decimal digits of magnitude so that they end just before end, two at a time; returns
// where they begin.
char* putDigitsBefore(char* end, unsigned long long magnitude);

// "%lld" of value.
size_t formatInteger(char* out, size_t size, long long value);

// "%.*f" (decimals 0 to 3) of (double)numerator / denominator. Exact integer rounding gives
// printf's digits whenever the quotient is no exact half of the last digit, for |numerator| below
// 2^42 (the double then can't lie on the other side of a half); printf itself formats the rest.
size_t formatRatio(char* out, size_t size, long long numerator, long long denominator, int decimals);

// "%.0f" of value: rounded to a whole number, halves to even; "-0" for a negative value that rounds
// to zero.
size_t formatWhole(char* out, size_t size, double value);

// "%.1f" of value: rounded to tenths, halves to even; "-0.0" for a negative value that rounds to zero.
size_t formatTenths(char* out, size_t size, double value);

#endif
