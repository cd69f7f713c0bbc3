#include "report/OpponentSummaryTable.h"

#include "analysis/OpponentTable.h"
#include "platform/TextFile.h"
#include "settings/Settings.h"

char opponentTableName[TABLE_NAME_SIZE];

// Names go out as they stood in the log: a spreadsheet reads the file, not a browser.
static void writeRecordLine(FILE* file, const OpponentRecord* r)
{
    textPrintf(file, "%s\t%d\t%d\t%d\t%.0f\t%.0f\t%.0f%s", r->name, r->games, r->above, r->below,
               (double)r->moneyWon, -(double)r->moneyLost, (double)r->balance, "\n");
}

int writeOpponentSummaryTable(void)
{
    copyText(opponentTableName, sizeof opponentTableName, settings.currentId);
    appendText(opponentTableName, sizeof opponentTableName, "_ID別集計.xls");
    FILE* file = createTextFile(opponentTableName);
    if (!file) return 0;
    textPrintf(file, "名前\t対戦回数\t勝ち数\t負け数\t勝ち金\t負け金\t収支%s", "\n");
    for (int i = 0; i < opponentCount(); i++)
        writeRecordLine(file, &opponentTable.records[i]);
    fclose(file);
    return 1;
}
