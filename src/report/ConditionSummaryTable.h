#ifndef VORNIX_CONDITIONSUMMARYTABLE_H
#define VORNIX_CONDITIONSUMMARYTABLE_H
// "%s_条件別集計.xls": the tab-separated record by condition written with the report when the option
// 詳しい成績 is on, and the figures of a condition as the table and the report show them. Like the
// other tables it is written under a temporary name and replaces the previous one only with the
// report; its name, outcome and file are runOutputs[OUTPUT_CONDITION_SUMMARY].

#include <stddef.h>

struct ConditionSums;

// The figures of a condition, each preceded by a tab, with the printf formats
// "\t%d\t%.2f\t%.1f\t%.1f\t%.1f\t%.1f\t%.2f\t%.0f\t%.0f": games, average rank, the four rank rates
// in percent, average score, money and money per game. sums->games must be above 0. Cut to fit size.
void formatConditionFigures(char* out, size_t size, const ConditionSums* sums);

// Writes the header and one line per row of visitConditionRows ("区分", "条件", the figures, the 95%
// range of the average rank ("平均順位の95%範囲", "—" below 10 games), and in a
// history of both kinds a last column "人数" with the row's kind, so that the other columns stay where
// they are in every run) into the table's temporary file, which it then closes. Returns 1 when the
// file was created, 0 when not (nothing written); the outcome's written flag tells whether every byte
// reached it.
int writeConditionSummaryTable(void);

#endif
