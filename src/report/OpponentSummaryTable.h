#ifndef VORNIX_OPPONENTSUMMARYTABLE_H
#define VORNIX_OPPONENTSUMMARYTABLE_H
// "%s_ID別集計.xls": the tab-separated per-opponent table written with the report. It is written under
// a temporary name and replaces the previous table only when the report is complete too; its name,
// outcome and file are runOutputs[OUTPUT_OPPONENT_SUMMARY] (placed and discarded with RunOutput.h).

#include <stdint.h>

// Forms the table's name in its run output from the player's ID and writes the header and one line
// per record of run.opponentTable, in the order of the positions in order (orderOpponentsByGames)
// or, when order is NULL, in the table's present order, into that file's
// temporary file in the current directory, which it then closes. Returns 1 when the file was created,
// 0 when not (nothing written, no message); the outcome's written flag tells whether every byte reached it.
int writeOpponentSummaryTable(const uint32_t* order);

#endif
