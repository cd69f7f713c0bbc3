#include "report/OpponentSummaryTable.h"

#include "analysis/OpponentTable.h"
#include "analysis/RunState.h"
#include "platform/OutputFile.h"
#include "platform/TextFile.h"
#include "platform/TextRow.h"
#include "settings/Settings.h"


static OutputFile output;

// "%s\t%d\t%d\t%d\t%.0f\t%.0f\t%.0f\n" with the record's fields; money lost is written negated.
// Names go out as they stood in the log: a spreadsheet reads the file, not a browser.
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
    copyText(run.opponentSummaryTable.name, sizeof run.opponentSummaryTable.name, settings.currentId);
    appendText(run.opponentSummaryTable.name, sizeof run.opponentSummaryTable.name, "_ID別集計.xls");
    discardOutputFile(&output);
    run.opponentSummaryTable.written = 0;
    run.opponentSummaryTable.created = createOutputFile(&output, run.opponentSummaryTable.name);
    if (!run.opponentSummaryTable.created) return 0;
    FILE* file = output.stream;
    static char streamBuffer[64 * 1024];   // a line per opponent: fewer, larger writes
    setvbuf(file, streamBuffer, _IOFBF, sizeof streamBuffer);
    textPrintf(file, "名前\t対戦回数\t勝ち数\t負け数\t勝ち金\t負け金\t収支%s", "\n");
    // The lines gather in the row's buffer, which goes out whenever it fills.
    TextRow row;
    startRow(&row, file);
    for (int i = 0; i < opponentCount(); i++)
        writeRecordLine(&row, &run.opponentTable.records[i]);
    writeRow(&row);
    run.opponentSummaryTable.written = finishOutputFile(&output);
    return 1;
}

int placeOpponentSummaryTable(void)
{
    if (output.complete) run.opponentSummaryTable.written = placeOutputFile(&output);
    return run.opponentSummaryTable.written;
}

void discardOpponentSummaryTable(void)
{
    discardOutputFile(&output);
}
