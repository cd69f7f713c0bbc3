#include "analysis/RunState.h"

#include "analysis/RivalGames.h"
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
    state.startTime = 0;
    state.progress = NULL;
    return state;
}

RunState run = initialRunState();

void resetRunState(void)
{
    run.pass = PASS_MAIN;
    clearOpponentTable();
    clearRivalGames();
    run.seatCount = 4;
    resetPlayerStats();
    clearTrends();
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) clearRunOutput(kind);
}
