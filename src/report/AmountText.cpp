#include "report/AmountText.h"

#include "text/Numbers.h"

#include <stdio.h>
#include <string.h>

void formatGrouped(char* out, size_t size, double value, int withPlus)
{
    char digits[400];
    snprintf(digits, sizeof digits, "%.0f", value);
    const char* magnitude = digits[0] == '-' ? digits + 1 : digits;
    char sign = strcmp(magnitude, "0") == 0 ? 0 : digits[0] == '-' ? '-' : withPlus ? '+' : 0;
    size_t at = 0;
    if (sign && size > 1) out[at++] = sign;
    groupDigits(out + at, size - at, magnitude);
}
