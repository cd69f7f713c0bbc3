#include "report/MonthlySummaryTable.h"

#include "analysis/MonthlySummary.h"
#include "analysis/RunState.h"
#include "platform/TextFile.h"
#include "settings/Settings.h"

#include <stdio.h>

static const char TABLE_HEADER[] =
    "年月\t対局数\t勝ち\t負け\t引分\t平均順位\t1位率\t2位率\t3位率\t4位率\t平均得点\t収支\n";

void formatMonthFigures(char* out, size_t size, const MonthRow* row)
{
    double games = row->games;
    snprintf(out, size, "\t%d\t%d\t%d\t%d\t%.2f\t%.1f\t%.1f\t%.1f\t%.1f\t%.2f\t%.0f", row->games, row->wins,
             row->losses, row->draws, (double)row->rankSum / games, row->rankCounts[0] * 100.0 / games,
             row->rankCounts[1] * 100.0 / games, row->rankCounts[2] * 100.0 / games,
             row->rankCounts[3] * 100.0 / games, (double)row->scoreSum / games, row->money);
}

// The header and the rows; a line per month, so printf's cost does not matter here.
static int writeLines(FILE* file)
{
    if (!writeText(file, TABLE_HEADER)) return 0;
    char figures[256];
    for (int i = 0; i < run.monthlySummary.count; i++) {
        const MonthRow* row = &run.monthlySummary.rows[i];
        formatMonthFigures(figures, sizeof figures, row);
        if (textPrintf(file, "%s%s\n", row->month, figures) < 0) return 0;
    }
    return 1;
}

int writeMonthlySummaryTable(void)
{
    if (!createRunOutput(OUTPUT_MONTHLY_SUMMARY)) return 0;
    // A failed write shows in the stream's error flag, which finishRunOutput checks.
    writeLines(run.outputs[OUTPUT_MONTHLY_SUMMARY].file.stream);
    finishRunOutput(OUTPUT_MONTHLY_SUMMARY);
    return 1;
}
