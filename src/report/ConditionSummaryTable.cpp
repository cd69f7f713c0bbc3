#include "report/ConditionSummaryTable.h"

#include "analysis/DetailedStats.h"
#include "analysis/RunState.h"
#include "platform/TextFile.h"
#include "report/RangeText.h"
#include "report/RunOutput.h"
#include "text/Text.h"

#include <stdio.h>

static const char TABLE_HEADER[] =
    "区分\t条件\t対局数\t平均順位\t1位率\t2位率\t3位率\t4位率\t平均得点\t収支\t1戦あたり収支\t平均順位の95%範囲";

// The file's context for each row: the stream and whether the rows name their kind.
struct TableFile {
    FILE* file;
    int mixed;
};

void formatConditionFigures(char* out, size_t size, const ConditionSums* sums)
{
    double games = sums->games;
    snprintf(out, size, "\t%d\t%.2f\t%.1f\t%.1f\t%.1f\t%.1f\t%.2f\t%.0f\t%.0f", sums->games, sums->rankSum / games,
             sums->rankCounts[0] * 100.0 / games, sums->rankCounts[1] * 100.0 / games,
             sums->rankCounts[2] * 100.0 / games, sums->rankCounts[3] * 100.0 / games, sums->scoreSum / games,
             sums->money, sums->money / games);
}

// Writes one row; a failed write shows in the stream's error flag, which finishRunOutput checks.
static void writeRow(const ConditionRow* row, void* context)
{
    const TableFile* table = (const TableFile*)context;
    char line[2 * LOG_LINE_SIZE + 1024];
    copyText(line, sizeof line, row->group);
    appendText(line, sizeof line, "\t");
    appendText(line, sizeof line, row->name);
    char figures[1024];
    formatConditionFigures(figures, sizeof figures, row->sums);
    appendText(line, sizeof line, figures);
    Moments rank;
    rankMoments(row->sums, &rank);
    char range[1000];
    formatMeanRange(range, sizeof range, &rank, 1.0, kindSeats(row->kind), 2);
    appendText(line, sizeof line, "\t");
    appendText(line, sizeof line, range);
    if (table->mixed) {
        appendText(line, sizeof line, "\t");
        appendText(line, sizeof line, kindName(row->kind));
    }
    appendText(line, sizeof line, "\n");
    writeText(table->file, line);
}

int writeConditionSummaryTable(void)
{
    if (!createRunOutput(OUTPUT_CONDITION_SUMMARY)) return 0;
    TableFile table = { runOutputs[OUTPUT_CONDITION_SUMMARY].file.stream,
                        singleKind(run.playerTotals.kinds) < 0 };
    if (writeText(table.file, TABLE_HEADER) && writeText(table.file, table.mixed ? "\t人数\n" : "\n"))
        visitConditionRows(&run.detailedStats, writeRow, &table);
    finishRunOutput(OUTPUT_CONDITION_SUMMARY);
    return 1;
}
