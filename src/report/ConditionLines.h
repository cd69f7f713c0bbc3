#ifndef VORNIX_CONDITIONLINES_H
#define VORNIX_CONDITIONLINES_H
// The report's lines after the range line that tell what else cut the games: the analysis conditions
// that are set, and the broken entries the tolerant reading skipped.

// Writes "分析条件：…<BR>" when a selection condition is set (period, lobbies, game length, seats, in
// this order, joined by "、"), "対象のID：…<BR>" in a run over several IDs, then "読み飛ばした壊れた
// 対局：…<BR>" when broken entries were skipped and "同じ卓に自分のIDが複数いた対局：…<BR>" when games
// seating two of the IDs were; nothing otherwise, so a run without them writes the bytes it always has.
void writeConditionLines(void);

// Writes the range line, "分析範囲： 点… 円から点… 円までの対局<BR>", of settings.minRate and maxRate.
void writeRangeLine(void);

#endif
