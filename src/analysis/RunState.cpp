#include "analysis/RunState.h"

#include "analysis/Trends.h"

#include <string.h>

// As resetRunState leaves it: 4 seats, an empty opponent table (lastUsed -1), no storage yet.
RunState run = {4, 0, {}, {}, 0, {NULL, 0, -1}, {NULL, 0, 0, 0}, {}, {}, 0, NULL};

void resetRunState(void)
{
    clearOpponentTable();
    run.seatCount = 4;
    run.playerSeat = 0;
    resetPlayerStats();
    clearTrends();
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) clearRunOutput(kind);
}
