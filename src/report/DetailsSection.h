#ifndef VORNIX_DETAILSSECTION_H
#define VORNIX_DETAILSSECTION_H
// The report's section of the option 詳しい成績: the totals with their 95 % intervals, the record by
// condition, and the latest games against the ones before them.

#include <stddef.h>

// "値 ± 幅" of a mean with decimals 2, or whole and grouped with decimals 0 ("1,234 ± 56"); a width
// below 0 (fewer than 2 games) is "—". Cut to size - 1 bytes.
void formatMeanInterval(char* out, size_t size, double mean, double width, int decimals);

// "値 %（下限～上限 %）" of hits out of trials with Wilson's interval, one decimal; "—" without trials.
void formatRateInterval(char* out, size_t size, int hits, int trials);

// Writes the section from run.detailedStats (at least one game).
void writeDetailsSection(void);

#endif
