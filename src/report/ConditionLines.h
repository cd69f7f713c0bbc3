#ifndef VORNIX_CONDITIONLINES_H
#define VORNIX_CONDITIONLINES_H
// The report's lines after the range line that tell what else cut the games: the analysis conditions
// that are set, and the broken entries the tolerant reading skipped.

// Writes "分析条件：…<BR>" when a selection condition is set (period, lobbies, game length, seats, in
// this order, joined by "、"), then "読み飛ばした壊れた対局：…<BR>" when entries were skipped; nothing
// otherwise, so a run without conditions writes the bytes it always has.
void writeConditionLines(void);

// Writes the range line, "分析範囲： 点… 円から点… 円までの対局<BR>", of settings.minRate and maxRate.
void writeRangeLine(void);

#endif
