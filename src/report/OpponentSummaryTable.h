#ifndef VORNIX_OPPONENTSUMMARYTABLE_H
#define VORNIX_OPPONENTSUMMARYTABLE_H
// "%s_ID別集計.xls": the tab-separated per-opponent table written with the report.

#include "analysis/GameResultsTable.h"

extern char opponentTableName[TABLE_NAME_SIZE];   // "%s_ID別集計.xls" with currentId

// Forms opponentTableName from settings.currentId and writes the header and one line per record of
// opponentTable, in the table's present order, into that file in the current directory (replacing
// it). Returns 1 when the file was created, 0 when not (nothing written, no message).
int writeOpponentSummaryTable(void);

#endif
