#include "text/Numbers.h"

#include <limits.h>
#include <string.h>

static int isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

static int isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The parts of a decimal number: its significant digits (leading zeros dropped), the power of ten
// that puts the decimal point after them, and the sign. Exact, so truncation never suffers from
// binary rounding.
struct DecimalText {
    int negative;
    const char* digits;     // first significant digit (may be inside the fraction, past a '.')
    int digitCount;         // significant digits, leading zeros excluded
    long long pointAfter;   // the value is 0.d1d2... times 10^pointAfter
    int anyDigit;           // the text held at least one digit
};

// Walks the number at text; returns the first byte after it. digitAt(i) skips the '.' in digits.
static const char* scanDecimal(const char* text, DecimalText* d)
{
    const char* p = text;
    memset(d, 0, sizeof *d);
    while (isBlank(*p)) p++;
    if (*p == '+' || *p == '-') d->negative = (*p++ == '-');
    long long intDigits = 0;
    int leadingZeros = 1;
    for (; isDigit(*p); p++) {
        d->anyDigit = 1;
        if (leadingZeros && *p == '0') continue;
        if (leadingZeros) d->digits = p;
        leadingZeros = 0;
        d->digitCount++;
        intDigits++;
    }
    if (*p == '.') {
        const char* fraction = p + 1;
        if (isDigit(*fraction) || d->anyDigit) {
            p = fraction;
            for (; isDigit(*p); p++) {
                d->anyDigit = 1;
                if (leadingZeros && *p == '0') { intDigits--; continue; }
                if (leadingZeros) d->digits = p;
                leadingZeros = 0;
                d->digitCount++;
            }
        }
    }
    if (!d->anyDigit) return text;
    d->pointAfter = intDigits;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        int expNegative = 0;
        if (*q == '+' || *q == '-') expNegative = (*q++ == '-');
        if (isDigit(*q)) {
            long long exponent = 0;
            for (; isDigit(*q); q++)
                if (exponent < 100000000) exponent = exponent * 10 + (*q - '0');
            d->pointAfter += expNegative ? -exponent : exponent;
            p = q;
        }
    }
    return p;
}

// The i-th significant digit (0-based), stepping over the decimal point.
static int digitAt(const DecimalText* d, int i)
{
    const char* p = d->digits;
    for (int seen = 0;; p++) {
        if (*p == '.') continue;
        if (seen++ == i) return *p - '0';
    }
}

int readDecimalText(const char* text, const char** end)
{
    DecimalText d;
    const char* after = scanDecimal(text, &d);
    if (end) *end = after;
    long long value = 0;
    if (d.digitCount > 0 && d.pointAfter > 0) {
        long long whole = d.pointAfter;
        for (long long i = 0; i < whole; i++) {
            value = value * 10 + (i < d.digitCount ? digitAt(&d, (int)i) : 0);
            if (value > (long long)INT_MAX + 1) break;
        }
    }
    if (d.negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return (int)value;
}

int decimalIsOne(const char* text)
{
    DecimalText d;
    scanDecimal(text, &d);
    if (d.negative || d.digitCount == 0 || d.pointAfter != 1) return 0;
    if (digitAt(&d, 0) != 1) return 0;
    for (int i = 1; i < d.digitCount; i++)
        if (digitAt(&d, i) != 0) return 0;
    return 1;
}

int readLeadingInteger(const char* text)
{
    const char* p = text;
    while (isBlank(*p)) p++;
    int negative = 0;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    long long value = 0;
    for (; isDigit(*p); p++)
        if (value <= (long long)INT_MAX + 1) value = value * 10 + (*p - '0');
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return (int)value;
}

size_t groupDigits(char* out, size_t size, const char* digits)
{
    if (size == 0) return 0;
    size_t length = strlen(digits);
    size_t at = 0;
    for (size_t i = 0; i < length && at + 1 < size; i++) {
        out[at++] = digits[i];
        size_t following = length - 1 - i;
        if (following > 0 && following % 3 == 0 && at + 1 < size) out[at++] = ',';
    }
    out[at] = '\0';
    return at;
}
