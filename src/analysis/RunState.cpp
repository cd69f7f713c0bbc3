#include "analysis/RunState.h"

#include "analysis/Trends.h"

#include <string.h>

// As resetRunState leaves it: 4 seats, an empty opponent table (lastUsed -1), no storage yet.
RunState run = {4, 0, {}, {}, 0, {NULL, 0, -1}, {NULL, 0, 0, 0, 1, NULL, 0}, {}, {}, {}, {}, 0, NULL};

// No name, no outcome; a temporary file that an ended run left open is closed and removed.
static void clearRunTable(RunTable* table)
{
    discardRunTable(table);
    table->name[0] = '\0';
    table->created = 0;
}

void resetRunState(void)
{
    clearOpponentTable();
    run.seatCount = 4;
    run.playerSeat = 0;
    resetPlayerStats();
    clearTrends();
    clearRunTable(&run.gameResultsTable);
    clearRunTable(&run.opponentSummaryTable);
    clearRunTable(&run.monthlySummaryTable);
}
