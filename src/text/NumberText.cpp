#include "text/NumberText.h"

#include <float.h>
#include <math.h>
#include <stdio.h>
#include <string.h>

const char DIGIT_PAIRS[201] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

char* putDigitsBefore(char* end, unsigned long long magnitude)
{
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
    return p;
}

// Writes the sign (when negative) and the decimal digits of magnitude, with a "." before the last
// `decimals` (0 to 3) of them (zeros in front as needed): the digits made two at a time, then put
// in place by copies of fixed sizes when out has room for them, else as much of the text as fits.
static size_t putDigits(char* out, size_t size, unsigned long long magnitude, int negative, int decimals)
{
    enum { END = 32, ROOM = 40 };   // the digits end at END of a buffer that fixed copies may read past
    char digits[END + 32];
    char* end = digits + END;
    char* p = putDigitsBefore(end, magnitude);
    while (end - p <= decimals) *--p = '0';
    size_t count = (size_t)(end - p), whole = decimals > 0 ? count - (size_t)decimals : count;
    size_t length = (size_t)(negative != 0) + count + (decimals > 0);
    char text[ROOM + 8];
    char* to = size > ROOM ? out : text;   // the usual case: straight into out
    size_t at = 0;
    if (negative) to[at++] = '-';
    memcpy(to + at, p, 24);   // at most 20 digits
    at += whole;
    if (decimals > 0) {
        to[at++] = '.';
        memcpy(to + at, p + whole, 4);
    }
    if (to == out) {
        out[length] = '\0';
        return length;
    }
    if (size == 0) return 0;
    if (length > size - 1) length = size - 1;
    memcpy(out, text, length);
    out[length] = '\0';
    return length;
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

size_t formatTenths(char* out, size_t size, double value)
{
    // Ten times a double needs at most 57 bits of mantissa: in a long double of 64 it is exact, so
    // rounding it in the default mode (to nearest, halves to even) rounds the value itself as printf
    // does. Where long double is no larger, beyond 2^62 tenths, and for inf and NaN, printf is used.
    if (LDBL_MANT_DIG >= 64 && fabs(value) < 4.6e17) {
        long double tenths = nearbyintl((long double)value * 10.0L);
        return putDigits(out, size, (unsigned long long)fabsl(tenths), signbit(value) != 0, 1);
    }
    return cutLength(snprintf(out, size, "%.1f", value), size);
}
