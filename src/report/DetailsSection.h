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

// The verdict line of 最近の調子 for the games of kind, as the section judges them: the average rank
// of the latest block against the block before it, the verdict of the section's first comparison
// ("直近100戦の平均順位 2.31（その前の100戦 2.45）：向上"), or why nothing was compared. Cut to size - 1.
void formatFormVerdict(char* out, size_t size, int kind);

// Writes the section from run.detailedStats (at least one game).
void writeDetailsSection(void);

#endif
