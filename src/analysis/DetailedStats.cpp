#include "analysis/DetailedStats.h"

#include "analysis/FatalError.h"
#include "analysis/GameEntryParser.h"
#include "analysis/RunState.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "text/Text.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

void clearDetailedStats(void)
{
    DetailedStats* stats = &run.detailedStats;
    ConditionSums* byRate = stats->byRate;
    memset(stats, 0, sizeof *stats);
    stats->byRate = byRate;
    if (byRate) memset(byRate, 0, sizeof(ConditionSums) * RATE_ROWS);
}

int hourBand(const char* time)
{
    if (time[0] < '0' || time[0] > '9' || time[1] < '0' || time[1] > '9') return 4;
    int hour = (time[0] - '0') * 10 + (time[1] - '0');
    return hour <= 23 ? hour / 6 : 4;
}

static void addToSums(ConditionSums* sums, int rank, int score, double money)
{
    sums->games++;
    if (rank >= 1 && rank <= 4) sums->rankCounts[rank - 1]++;
    sums->rankSum += rank;
    sums->scoreSum += score;
    sums->money += money;
}

static int isLobby(const LobbySums* row, unsigned hash, const char* lobby)
{
    return row->hash == hash && strcmp(row->lobby, lobby) == 0;
}

// The sums of the lobby: its own row while there is room for it, else the others' row. The log
// mostly repeats its lobbies, so the previous game's is tried first; the hashes spare most text
// comparisons.
static ConditionSums* lobbySums(const char* lobby)
{
    DetailedStats* stats = &run.detailedStats;
    unsigned hash = textHash(lobby);
    if (stats->lobbyCount > 0 && isLobby(&stats->lobbies[stats->latestLobby], hash, lobby))
        return &stats->lobbies[stats->latestLobby].sums;
    for (int i = 0; i < stats->lobbyCount; i++) {
        if (!isLobby(&stats->lobbies[i], hash, lobby)) continue;
        stats->latestLobby = i;
        return &stats->lobbies[i].sums;
    }
    if (stats->lobbyCount == MAX_LOBBIES) return &stats->otherLobbies;
    stats->latestLobby = stats->lobbyCount++;
    copyText(stats->lobbies[stats->latestLobby].lobby, LOG_LINE_SIZE, lobby);
    stats->lobbies[stats->latestLobby].hash = hash;
    return &stats->lobbies[stats->latestLobby].sums;
}

static ConditionSums* rateSums(int rate)
{
    DetailedStats* stats = &run.detailedStats;
    if (!stats->byRate) {
        stats->byRate = (ConditionSums*)calloc(RATE_ROWS, sizeof(ConditionSums));
        if (!stats->byRate) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
    }
    return &stats->byRate[rate >= 0 && rate < RATE_ROWS ? rate : 0];
}

void addGameToDetails(const GameEntry* game)
{
    if (!settings.details) return;
    DetailedStats* stats = &run.detailedStats;
    double money = 0.0;
    for (int i = 0; i < game->seatCount; i++) money += game->seats[i].share;
    const Seat* player = &game->seats[game->playerSeat];
    ConditionSums* rows[] = {
        &stats->total,
        &stats->bySeats[game->seatCount == 3 ? 1 : 0],
        &stats->byLength[game->gameLength == '0' ? 0 : 1],
        lobbySums(game->lobby),
        rateSums(game->rate),
        &stats->byHour[hourBand(game->time)],
    };
    for (ConditionSums* sums : rows) addToSums(sums, player->rank, player->score, money);
    addToMoments(&stats->rank, player->rank);
    addToMoments(&stats->score, player->score);
    addToMoments(&stats->money, money);
    RecentGame* recent = &stats->ring[stats->ringNext];
    *recent = RecentGame{ money, player->score, player->rank, game->seatCount };
    stats->ringNext = (stats->ringNext + 1) % COMPARED_GAMES;
}

// Lobby rows by falling number of games, ties in rising byte order of the text.
static int compareLobbies(const void* a, const void* b)
{
    const LobbySums* x = &run.detailedStats.lobbies[*(const int*)a];
    const LobbySums* y = &run.detailedStats.lobbies[*(const int*)b];
    if (x->sums.games != y->sums.games) return x->sums.games > y->sums.games ? -1 : 1;
    return strcmp(x->lobby, y->lobby);
}

static void visitRow(ConditionRow* row, const char* name, const ConditionSums* sums,
                     void (*visit)(const ConditionRow*, void*), void* context)
{
    if (sums->games == 0) return;
    copyText(row->name, sizeof row->name, name);
    row->sums = sums;
    visit(row, context);
}

void visitConditionRows(void (*visit)(const ConditionRow* row, void* context), void* context)
{
    const DetailedStats* stats = &run.detailedStats;
    ConditionRow row;
    row.group = "人数";
    visitRow(&row, "4人打ち", &stats->bySeats[0], visit, context);
    visitRow(&row, "3人打ち", &stats->bySeats[1], visit, context);
    row.group = "対局";
    visitRow(&row, "東風戦", &stats->byLength[0], visit, context);
    visitRow(&row, "半荘戦", &stats->byLength[1], visit, context);
    row.group = "ロビー";
    int order[MAX_LOBBIES];
    for (int i = 0; i < stats->lobbyCount; i++) order[i] = i;
    qsort(order, (size_t)stats->lobbyCount, sizeof order[0], compareLobbies);
    for (int i = 0; i < stats->lobbyCount; i++)
        visitRow(&row, stats->lobbies[order[i]].lobby, &stats->lobbies[order[i]].sums, visit, context);
    visitRow(&row, "（その他）", &stats->otherLobbies, visit, context);
    row.group = "レート";
    for (int rate = 0; stats->byRate && rate < RATE_ROWS; rate++) {
        if (!stats->byRate[rate].games) continue;
        char name[16];
        snprintf(name, sizeof name, "%d", rate);
        visitRow(&row, name, &stats->byRate[rate], visit, context);
    }
    row.group = "時間帯";
    static const char* const bands[HOUR_BANDS] = { "0-5時", "6-11時", "12-17時", "18-23時", "不明" };
    for (int band = 0; band < HOUR_BANDS; band++) visitRow(&row, bands[band], &stats->byHour[band], visit, context);
}

// Mean as sum / count and the squared deviations from it, over the values of a block.
static void blockMoments(Moments* moments, const double* values, int count)
{
    double sum = 0.0;
    for (int i = 0; i < count; i++) sum += values[i];
    moments->count = count;
    moments->mean = sum / count;
    moments->squares = 0.0;
    for (int i = 0; i < count; i++) moments->squares += (values[i] - moments->mean) * (values[i] - moments->mean);
}

void blockFigures(int skip, int games, BlockFigures* figures)
{
    static double ranks[COMPARED_GAMES], scores[COMPARED_GAMES], money[COMPARED_GAMES];
    const DetailedStats* stats = &run.detailedStats;
    memset(figures, 0, sizeof *figures);
    for (int i = 0; i < games; i++) {
        int slot = ((stats->ringNext - 1 - skip - i) % COMPARED_GAMES + COMPARED_GAMES) % COMPARED_GAMES;
        const RecentGame* game = &stats->ring[slot];
        ranks[i] = game->rank;
        scores[i] = game->score;
        money[i] = game->money;
        if (game->seatCount == 3) continue;
        figures->fourPlayerGames++;
        figures->tops += game->rank == 1;
        figures->lasts += game->rank == 4;
    }
    blockMoments(&figures->rank, ranks, games);
    blockMoments(&figures->score, scores, games);
    blockMoments(&figures->money, money, games);
}
