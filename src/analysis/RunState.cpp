#include "analysis/RunState.h"

#include "analysis/Trends.h"

#include <string.h>

// The record before the first run, as resetRunState leaves it: 4 seats, an empty opponent table, no
// storage yet, no progress hook. Every other field is zero.
static RunState initialRunState(void)
{
    RunState state = {};
    state.seatCount = 4;
    state.opponentTable.records = NULL;
    state.opponentTable.lastUsed = -1;
    state.monthlySummary.rows = NULL;
    state.monthlySummary.sorted = 1;
    state.monthlySummary.index = NULL;
    state.detailedStats.byRate = NULL;
    state.startTime = 0;
    state.progress = NULL;
    return state;
}

RunState run = initialRunState();

void resetRunState(void)
{
    clearOpponentTable();
    run.seatCount = 4;
    resetPlayerStats();
    clearTrends();
    clearDetailedStats();
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) clearRunOutput(kind);
}
