#include "text/NumberText.h"

#include <math.h>
#include <stdio.h>

// Writes the sign (when negative) and the decimal digits of magnitude, with a "." before the last
// `decimals` of them (zeros in front as needed).
static size_t putDigits(char* out, size_t size, unsigned long long magnitude, int negative, int decimals)
{
    char digits[32];
    int count = 0;
    do {
        digits[count++] = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0 || count <= decimals);
    size_t at = 0;
    if (size == 0) return 0;
    if (negative && at + 1 < size) out[at++] = '-';
    for (int i = count - 1; i >= 0 && at + 1 < size; i--) {
        out[at++] = digits[i];
        if (i == decimals && decimals > 0 && at + 1 < size) out[at++] = '.';
    }
    out[at] = '\0';
    return at;
}

// snprintf's result as a length cut to the buffer.
static size_t cutLength(int length, size_t size)
{
    if (length < 0 || size == 0) return 0;
    return (size_t)length < size ? (size_t)length : size - 1;
}

size_t formatInteger(char* out, size_t size, long long value)
{
    unsigned long long magnitude = value < 0 ? 0ULL - (unsigned long long)value : (unsigned long long)value;
    return putDigits(out, size, magnitude, value < 0, 0);
}

size_t formatRatio(char* out, size_t size, long long numerator, long long denominator, int decimals)
{
    const long long LIMIT = 1LL << 42;
    static const unsigned SCALES[] = { 1, 10, 100, 1000 };
    if (denominator > 0 && denominator < LIMIT && numerator > -LIMIT && numerator < LIMIT && decimals >= 0 && decimals <= 3) {
        unsigned long long magnitude = numerator < 0 ? (unsigned long long)-numerator : (unsigned long long)numerator;
        unsigned long long q = (unsigned long long)denominator;
        unsigned long long scale = SCALES[decimals];
        unsigned long long fraction = magnitude % q * scale;   // below q * 1000: no overflow
        unsigned long long units = magnitude / q * scale + fraction / q;
        unsigned long long twiceRest = fraction % q * 2;
        if (twiceRest != q) return putDigits(out, size, units + (twiceRest > q), numerator < 0, decimals);
    }
    return cutLength(snprintf(out, size, "%.*f", decimals, (double)numerator / (double)denominator), size);
}

size_t formatWhole(char* out, size_t size, double value)
{
    // rint rounds in the default mode, to nearest with halves to even, as printf does; it keeps the
    // sign of a value that rounds to zero. Beyond 2^63 (and for inf and NaN) printf itself is used.
    double rounded = rint(value);
    if (fabs(rounded) < 9.2e18) return putDigits(out, size, (unsigned long long)fabs(rounded), signbit(rounded) != 0, 0);
    return cutLength(snprintf(out, size, "%.0f", value), size);
}
