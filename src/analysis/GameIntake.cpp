#include "analysis/GameIntake.h"

#include "analysis/DetailedStats.h"
#include "analysis/GameEntryParser.h"
#include "analysis/GameResultsTable.h"
#include "analysis/LatestGames.h"
#include "analysis/LogReader.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerStats.h"
#include "analysis/RivalGames.h"
#include "analysis/RunState.h"
#include "analysis/Trends.h"
#include "analysis/FatalError.h"
#include "settings/AnalysisConditions.h"
#include "settings/Settings.h"
#include "text/Messages.h"

#include <string.h>

static int inPeriod(const char* date)
{
    if (!settings.firstDay[0] && !settings.lastDay[0]) return 1;
    if (!isWellFormedDate(date)) return 0;
    if (settings.firstDay[0] && strcmp(date, settings.firstDay) < 0) return 0;
    return !settings.lastDay[0] || strcmp(date, settings.lastDay) <= 0;
}

static int hasGameLength(char flag)
{
    if (settings.gameLength == LENGTH_TONPU) return flag == '0';
    if (settings.gameLength == LENGTH_HANCHAN) return flag != '0';
    return 1;
}

static int inLobbies(const char* lobby)
{
    if (!settings.lobbies[0]) return 1;
    return lobby && listHoldsItem(settings.lobbies, lobby, strlen(lobby));
}

int gameInsideConditions(const GameEntry* game)
{
    if (!inPeriod(game->date) || !inLobbies(game->lobby) || !hasGameLength(game->gameLength)) return 0;
    return !settings.seats || game->seatCount == settings.seats;
}

int gameIsSelected(const GameEntry* game)
{
    if (game->rate < settings.minRate || game->rate > settings.maxRate) return 0;
    return gameInsideConditions(game);
}

// The selection, and the money of a selected game, once for all its consumers.
static int takeSelected(GameEntry* game)
{
    if (!gameIsSelected(game)) return 0;
    computeMoneyShares(game);
    return 1;
}

int acceptGame(GameEntry* game, void*)
{
    if (entrySeatsTwoPlayerIds(game)) {
        if (gameIsSelected(game)) run.twoIdEntries++;
        return 0;
    }
    if (!takeSelected(game)) return 0;
    // The consumers, in a fixed order. The row's leading fields go out before the counting, whose
    // growth may end the process, and the seats after it: a fatal error then leaves the bytes a row
    // written field by field would have left.
    writeGameRowStart(game);
    addGameToTotals(&run.playerTotals, &run.recentResults, game);
    addGameToOpponents(&run.opponentTable, game);
    writeGameRowEnd(game);
    if (settings.trendCharts) addGameToTrends(&run.monthlySummary, &run.trendSeries, run.kindTrends, game);
    if (settings.details) addGameToDetails(&run.detailedStats, game);
    if (settings.details) addToLatestGames(&run.latestGames, game);
    return 1;
}

void hintOpponentLookup(const char* name, void*)
{
    prefetchOpponent(&run.opponentTable, name);
}

int acceptRivalGame(GameEntry* game, void*)
{
    if (entrySeatsTwoPlayerIds(game) || !takeSelected(game)) return 0;
    addGameToRivals(&run.rivalGames, game);
    return 1;
}

int skipBrokenEntryOrEndRun(const GameEntry* game, void*)
{
    if (!settings.skipBroken) {
        char format[64];
        copyText(format, sizeof format, "%s");
        appendText(format, sizeof format, MESSAGE_AT_LINE);
        fatalEntryError(format, game->fault, game->faultLine);
    }
    long long line = game->cutAtHeader ? game->cutAtHeader : game->faultLine;
    if (run.skippedEntries < SKIPPED_LINES_KEPT) run.skippedLines[run.skippedEntries] = line;
    run.skippedEntries++;
    return 1;
}

int skipBrokenEntryAgain(const GameEntry*, void*)
{
    return settings.skipBroken;
}

void readGames(LogReader* log, GameReading* reading)
{
    char spareHeader[LOG_LINE_SIZE];
    const EntrySource source = {log, reading->player, reading->seatNamed, reading->context, spareHeader};
    char line[LOG_LINE_SIZE];
    GameEntry game;
    ReadTally* tally = &reading->tally;
    memset(tally, 0, sizeof *tally);
    while (!logAtEnd(log)) {
        if (!readLogLine(log, line)) break;
        if (reading->progress) reading->progress();   // at every line: a log of few entries shows progress too
        if (line[0] != '<') continue;
        tally->entries++;
        int read = readGameEntry(&source, line + 1, logLineNumber(log), &game);
        if (read == ENTRY_BROKEN) {
            tally->broken++;
            if (reading->onBroken(&game, reading->context)) continue;
            tally->stopped = 1;
            break;
        }
        if (read == ENTRY_LOG_ENDED) break;
        if (read == ENTRY_COMPLETE) reading->take(&game, reading->context);
    }
    tally->bytes = logBytesRead(log);
}
