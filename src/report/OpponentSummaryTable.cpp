#include "report/OpponentSummaryTable.h"

#include "analysis/OpponentTable.h"
#include "analysis/RunState.h"
#include "platform/TextFile.h"
#include "platform/TextRow.h"
#include "report/RunOutput.h"
#include "settings/Settings.h"

// "%s\t%d\t%d\t%d\t%.0f\t%.0f\t%.0f\n" with the record's fields; money lost is written negated.
// Names go out as they stood in the log: a spreadsheet reads the file, not a browser. Kept as written:
// 勝ち数 and 負け数 are the games above and below (an equal score counts as below), and 負け金 is a
// positive amount.
static void writeRecordLine(TextRow* row, const OpponentRecord* r)
{
    rowText(row, r->name);
    rowByte(row, '\t');
    rowInteger(row, r->games);
    rowByte(row, '\t');
    rowInteger(row, r->above);
    rowByte(row, '\t');
    rowInteger(row, r->below);
    rowByte(row, '\t');
    rowWhole(row, (double)r->moneyWon);
    rowByte(row, '\t');
    rowWhole(row, -(double)r->moneyLost);
    rowByte(row, '\t');
    rowWhole(row, (double)r->balance);
    rowByte(row, '\n');
}

int writeOpponentSummaryTable(void)
{
    if (!createRunOutput(OUTPUT_OPPONENT_SUMMARY)) return 0;
    FILE* file = runOutputs[OUTPUT_OPPONENT_SUMMARY].file.stream;
    static char streamBuffer[64 * 1024];   // a line per opponent: fewer, larger writes
    setvbuf(file, streamBuffer, _IOFBF, sizeof streamBuffer);
    textPrintf(file, "名前\t対戦回数\t勝ち数\t負け数\t勝ち金\t負け金\t収支%s", "\n");
    // The lines gather in the row's buffer, which goes out whenever it fills.
    TextRow row;
    startRow(&row, file);
    for (int i = 0; i < opponentCount(&run.opponentTable); i++)
        writeRecordLine(&row, &run.opponentTable.records[i]);
    writeRow(&row);
    finishRunOutput(OUTPUT_OPPONENT_SUMMARY);
    return 1;
}
