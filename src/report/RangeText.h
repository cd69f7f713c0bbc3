#ifndef VORNIX_RANGETEXT_H
#define VORNIX_RANGETEXT_H
// The figures of 詳しい成績 and their 95 % ranges as the report and the table by condition write
// them.

#include <stddef.h>

struct Moments;

// The text of a figure with no value: "—" (81 5C in code page 932).
extern const char NO_FIGURE[];

// value with decimals digits ("%.*f"), or with decimals 0 whole and grouped ("-12,345"); "+" before a
// positive value when withPlus. Cut to size - 1 bytes.
void formatFigure(char* out, size_t size, double value, int decimals, int withPlus);

// "下限～上限" of the mean's 95 % range (meanInterval) with decimals digits as formatFigure writes
// them, its edges within lowest and highest; NO_FIGURE with fewer than MIN_INTERVAL_GAMES values.
void formatMeanRange(char* out, size_t size, const Moments* moments, double lowest, double highest, int decimals);

// "下限～上限" of Wilson's range of hits out of trials, in percent with one decimal; NO_FIGURE without
// trials.
void formatRateRange(char* out, size_t size, int hits, int trials);

#endif
