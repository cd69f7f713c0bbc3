#include "analysis/GameIntake.h"

#include "analysis/GameEntryParser.h"
#include "analysis/GameResultsTable.h"
#include "analysis/LogReader.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerStats.h"
#include "analysis/RivalGames.h"
#include "analysis/RunState.h"
#include "analysis/Trends.h"
#include "settings/Settings.h"

// The consumers of an accepted game, in the order they receive it. The row's leading fields go out
// before the counting, whose growth may end the process, and the seats after it: a fatal error then
// leaves the bytes a row written field by field would have left.
static void (*const consumers[])(const GameEntry*) = {
    writeGameRowStart,
    addGameToTotals,
    addGameToOpponents,
    writeGameRowEnd,
    addGameToTrends,
};

// The run's selection.
static int isSelected(const GameEntry* game)
{
    return game->rate >= settings.minRate && game->rate <= settings.maxRate;
}

int acceptGame(const GameEntry* game)
{
    if (!isSelected(game)) return 0;
    if (run.pass == PASS_RIVALS) {
        addGameToRivals(game);
        return 1;
    }
    for (size_t i = 0; i < sizeof consumers / sizeof consumers[0]; i++) consumers[i](game);
    return 1;
}

void readGames(int (*take)(const GameEntry* game))
{
    char line[LOG_LINE_SIZE];
    GameEntry game;
    while (!logAtEnd()) {
        if (!readLogLine(line)) return;
        if (line[0] != '<') continue;
        if (run.progress) run.progress();
        int read = readGameEntry(line + 1, &game);
        if (read == 0) return;
        if (read == 1) take(&game);
    }
}
