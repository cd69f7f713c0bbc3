#ifndef VORNIX_AMOUNTTEXT_H
#define VORNIX_AMOUNTTEXT_H
// Amounts as the report shows them: whole numbers with a comma every three digits.

#include <stddef.h>

// A whole number ("%.0f") with a comma every three digits, and "+" before a positive one when asked
// for: "-12,500", "+300"; a value that rounds to 0 is "0". Cut to size - 1 bytes.
void formatGrouped(char* out, size_t size, double value, int withPlus);

#endif
