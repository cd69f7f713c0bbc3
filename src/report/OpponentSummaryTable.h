#ifndef VORNIX_OPPONENTSUMMARYTABLE_H
#define VORNIX_OPPONENTSUMMARYTABLE_H
// "%s_ID別集計.xls": the tab-separated per-opponent table written with the report. It is written under
// a temporary name and replaces the previous table only when the report is complete too.

#include "analysis/GameResultsTable.h"

extern char opponentTableName[TABLE_NAME_SIZE];   // "%s_ID別集計.xls" with currentId
extern int opponentTableCreated;                  // 1 when this run's file could be created
extern int opponentTableWritten;                  // 1 when it was written in full and closed (and,
                                                  // once placed, took its final name)

// Forms opponentTableName from settings.currentId and writes the header and one line per record of
// opponentTable, in the table's present order, into that file's temporary file in the current
// directory, which it then closes. Returns 1 when the file was created, 0 when not (nothing written, no
// message); opponentTableWritten tells whether every byte reached it.
int writeOpponentSummaryTable(void);

// Gives the written table its final name, replacing the previous one; nothing happens when it was not
// written in full. opponentTableWritten becomes 0 when the name can't be taken. Returns
// opponentTableWritten.
int placeOpponentSummaryTable(void);

// Removes the table's temporary file, if any: the previous table stays.
void discardOpponentSummaryTable(void);

#endif
