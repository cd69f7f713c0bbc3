#include "analysis/RunState.h"

#include "analysis/Trends.h"
#include "settings/Settings.h"
#include "text/Text.h"

#include <stdio.h>
#include <string.h>

// The record before the first run, as resetRunState leaves it: an empty opponent table, no
// storage yet, no progress hook. Every other field is zero.
static RunState initialRunState(void)
{
    RunState state = {};
    state.opponentTable.records = NULL;
    state.opponentTable.lastUsed = -1;
    state.opponentTable.index.slots = NULL;
    state.monthlySummary.rows = NULL;
    state.monthlySummary.sorted = 1;
    state.monthlySummary.index.slots = NULL;
    for (KindDetails& details : state.detailedStats.kinds) {
        details.lobbies = NULL;
        details.lobbyIndex = NameIndex{ NULL, 0 };
        details.byRate = NULL;
    }
    state.log.fileSize = -1;
    state.log.readErrorsFatal = 1;
    state.startTime = 0;
    state.progress = NULL;
    return state;
}

RunState run = initialRunState();

IntakeTargets runIntake = {
    &run.playerTotals, &run.recentResults, &run.opponentTable, &run.monthlySummary, &run.trendSeries,
    run.kindTrends, &run.detailedStats, &run.latestGames, &run.rivalGames, &run.takenGames,
    &run.skippedEntries,
    run.skippedLines, &run.twoIdEntries,
};

void resetRunState(void)
{
    clearOpponentTable(&run.opponentTable);
    clearRivalGames(&run.rivalGames);
    closeTakenGames(&run.takenGames);
    run.skippedEntries = 0;
    run.twoIdEntries = 0;
    memset(run.reads, 0, sizeof run.reads);
    run.readsFinished = 0;
    resetPlayerStats(&run.playerTotals, &run.recentResults);
    clearTrends(&run.monthlySummary, &run.trendSeries, run.kindTrends);
    clearDetailedStats(&run.detailedStats);
    clearLatestGames(&run.latestGames);
}

void skippedLinesText(char* out, size_t size)
{
    if (size) out[0] = '\0';
    int kept = run.skippedEntries < SKIPPED_LINES_KEPT ? run.skippedEntries : SKIPPED_LINES_KEPT;
    for (int i = 0; i < kept; i++) {
        char number[24];
        snprintf(number, sizeof number, "%s%lld", i ? "、" : "", run.skippedLines[i]);
        appendText(out, size, number);
    }
    if (run.skippedEntries > kept) appendText(out, size, "、…");
}
