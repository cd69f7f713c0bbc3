#ifndef VORNIX_MONTHLYSUMMARYTABLE_H
#define VORNIX_MONTHLYSUMMARYTABLE_H
// "%s_月別集計.xls": the tab-separated monthly summary written with the report when the progress
// option is on, and the figures of a month as the table and the report show them.

#include "analysis/GameResultsTable.h"

#include <stddef.h>

struct MonthRow;

extern char monthlyTableName[TABLE_NAME_SIZE];   // "%s_月別集計.xls" with currentId

// The figures of a row after its key, each field preceded by a tab, with the printf formats
// "\t%d\t%d\t%d\t%d\t%.2f\t%.1f\t%.1f\t%.1f\t%.1f\t%.2f\t%.0f": games, wins, losses, draws, average
// rank, the four rank rates in percent, average score and money. Cut to fit size (never in practice).
void formatMonthFigures(char* out, size_t size, const MonthRow* row);

// Forms monthlyTableName from settings.currentId and writes the header and one line per row of
// monthlySummary, oldest month first, into that file in the current directory (replacing it).
// Returns 1 when the whole file was written and closed, 0 when it could not be created or written.
int writeMonthlySummaryTable(void);

#endif
