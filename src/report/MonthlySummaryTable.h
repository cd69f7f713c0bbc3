#ifndef VORNIX_MONTHLYSUMMARYTABLE_H
#define VORNIX_MONTHLYSUMMARYTABLE_H
// "%s_月別集計.xls": the tab-separated monthly summary written with the report when the progress
// option is on, and the figures of a month as the table and the report show them. Like the other
// tables it is written under a temporary name and replaces the previous one only with the report; its
// name, outcome and file are runOutputs[OUTPUT_MONTHLY_SUMMARY] (placed and discarded with
// RunOutput.h).

#include <stddef.h>

struct MonthRow;

// The figures of a row after its key, each field preceded by a tab, with the printf formats
// "\t%d\t%d\t%d\t%d\t%.2f\t%.1f\t%.1f\t%.1f\t%.1f\t%.2f\t%.0f": games, wins, losses, draws, average
// rank, the four rank rates in percent, average score and money. Cut to fit size (never in practice).
// Returns the length written.
size_t formatMonthFigures(char* out, size_t size, const MonthRow* row);

enum { MONTH_LABEL_SIZE = 32 };   // a month key and "（4人）"

// The 年月 of a row: its month key, followed in a history of both kinds (mixed 1) by the seats of its
// games, "2024/01（4人）", so that no row mixes the places of the two kinds. Cut to fit size.
void formatMonthLabel(char* out, size_t size, const MonthRow* row, int mixed);

// Forms the table's name in its run output from the player's ID and writes the header and
// one line per row of run.monthlySummary, oldest month first, into that file's temporary file in the
// current directory, which it then closes. Returns 1 when the file was created, 0 when not (nothing
// written); the outcome's written flag tells whether every byte reached it.
int writeMonthlySummaryTable(void);

#endif
