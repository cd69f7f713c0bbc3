#include "report/MonthlySummaryTable.h"

#include "analysis/MonthlySummary.h"
#include "analysis/RunState.h"
#include "platform/TextFile.h"
#include "platform/TextRow.h"
#include "report/RunOutput.h"
#include "settings/Settings.h"
#include "text/NumberText.h"
#include "text/Text.h"

#include <stdio.h>
#include <string.h>

static const char TABLE_HEADER[] =
    "年月\t対局数\t勝ち\t負け\t引分\t平均順位\t1位率\t2位率\t3位率\t4位率\t平均得点\t収支\n";

// The printf formats of the contract, by the formatters of NumberText.h: a log whose every game
// is a month of its own has as many rows as games.
size_t formatMonthFigures(char* out, size_t size, const MonthRow* row)
{
    // decimals -1: a count ("%d"), otherwise a ratio with that many decimals.
    const struct { long long numerator; int denominator; int decimals; } fields[] = {
        { row->games, 1, -1 }, { row->wins, 1, -1 }, { row->losses, 1, -1 }, { row->draws, 1, -1 },
        { row->rankSum, row->games, 2 },
        { row->rankCounts[0] * 100LL, row->games, 1 }, { row->rankCounts[1] * 100LL, row->games, 1 },
        { row->rankCounts[2] * 100LL, row->games, 1 }, { row->rankCounts[3] * 100LL, row->games, 1 },
        { row->scoreSum, row->games, 2 },
    };
    size_t at = 0;
    for (const auto& field : fields) {
        if (at + 2 >= size) break;
        out[at++] = '\t';
        at += field.decimals < 0 ? formatInteger(out + at, size - at, field.numerator)
                                     : formatRatio(out + at, size - at, field.numerator, field.denominator, field.decimals);
    }
    if (at + 2 < size) {
        out[at++] = '\t';
        at += formatWhole(out + at, size - at, row->money);
    }
    if (size == 0) return 0;
    if (at > size - 1) at = size - 1;
    out[at] = '\0';
    return at;
}

void formatMonthLabel(char* out, size_t size, const MonthRow* row, int mixed)
{
    copyText(out, size, row->month);
    if (mixed) appendText(out, size, row->kind == KIND_THREE ? "（3人）" : "（4人）");
}

// The lines gather in one buffer and go out a buffer at a time (a log whose every game is a month
// of its own has as many lines as games).
static void writeLines(FILE* file)
{
    static char buffer[64 * 1024];
    TextRow lines;
    startRowsIn(&lines, file, buffer, sizeof buffer);
    rowText(&lines, TABLE_HEADER);
    sortMonthlySummary(&run.monthlySummary);
    int mixed = singleKind(run.playerTotals.kinds) < 0;
    char line[MONTH_LABEL_SIZE + 256];
    for (int i = 0; i < run.monthlySummary.count; i++) {
        const MonthRow* row = &run.monthlySummary.rows[i];
        formatMonthLabel(line, MONTH_LABEL_SIZE, row, mixed);
        size_t length = strlen(line);
        length += formatMonthFigures(line + length, sizeof line - length - 1, row);
        line[length++] = '\n';
        rowBytes(&lines, line, length);
    }
    writeRow(&lines);
}

int writeMonthlySummaryTable(void)
{
    if (!createRunOutput(OUTPUT_MONTHLY_SUMMARY)) return 0;
    // A failed write shows in the stream's error flag, which finishRunOutput checks.
    writeLines(runOutputs[OUTPUT_MONTHLY_SUMMARY].file.stream);
    finishRunOutput(OUTPUT_MONTHLY_SUMMARY);
    return 1;
}
