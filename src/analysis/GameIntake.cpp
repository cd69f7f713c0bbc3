#include "analysis/GameIntake.h"

#include "analysis/Conditions.h"
#include "analysis/DetailedStats.h"
#include "analysis/GameEntryParser.h"
#include "analysis/LatestGames.h"
#include "analysis/LogReader.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerStats.h"
#include "analysis/RivalGames.h"
#include "analysis/TakenGames.h"
#include "analysis/Trends.h"
#include "analysis/FatalError.h"
#include "settings/Settings.h"
#include "text/Bytes.h"
#include "text/Messages.h"
#include "text/Text.h"

#include <string.h>

int gameInsideConditions(const GameEntry* game)
{
    for (int i = 0; i < CONDITION_COUNT; i++)
        if (!conditions[i].takes(game)) return 0;
    return 1;
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

int acceptGame(GameEntry* game, void* context)
{
    IntakeTargets* to = (IntakeTargets*)context;
    if (entrySeatsTwoPlayerIds(game)) {
        if (gameIsSelected(game)) (*to->twoIdEntries)++;
        return 0;
    }
    if (!takeSelected(game)) return 0;
    addGameToTotals(to->playerTotals, to->recentResults, game);
    int records[MAX_SEATS];
    addGameToOpponents(to->opponentTable, game, records);
    if (settings.trendCharts) addGameToTrends(to->monthlySummary, to->trendSeries, to->kindTrends, game);
    if (settings.details) addGameToDetails(to->detailedStats, game);
    if (settings.details) addToLatestGames(to->latestGames, game);
    if (keepingTakenGames(to->takenGames)) keepTakenGame(to->takenGames, game, records);
    return 1;
}

void hintOpponentLookup(const Seat* seat, void* context)
{
    prefetchOpponent(((IntakeTargets*)context)->opponentTable, seat->nameHash);
}

int acceptRivalGame(GameEntry* game, void* context)
{
    if (entrySeatsTwoPlayerIds(game) || !takeSelected(game)) return 0;
    addGameToRivals(((IntakeTargets*)context)->rivalGames, game);
    return 1;
}

int skipBrokenEntryOrEndRun(const GameEntry* game, void* context)
{
    IntakeTargets* to = (IntakeTargets*)context;
    if (!settings.skipBroken) {
        char format[64];
        copyText(format, sizeof format, "%s");
        appendText(format, sizeof format, MESSAGE_AT_LINE);
        fatalEntryError(format, game->fault, game->faultLine);
    }
    long long line = game->cutAtHeader ? game->cutAtHeader : game->faultLine;
    if (*to->skippedEntries < SKIPPED_LINES_KEPT) to->skippedLines[*to->skippedEntries] = line;
    (*to->skippedEntries)++;
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
    char header[LOG_LINE_SIZE];
    GameEntry game;
    ReadTally* tally = &reading->tally;
    memset(tally, 0, sizeof *tally);
    while (!logAtEnd(log)) {
        const char* line = nextLogLine(log);
        if (!line) break;
        if (reading->progress) reading->progress();   // at every line: a log of few entries shows progress too
        if (line[0] != '<') continue;
        tally->entries++;
        copyBytes(header, line, sizeof header);   // the entry's other lines take the log's place
        int read = readGameEntry(&source, header + 1, logLineNumber(log), &game);
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
