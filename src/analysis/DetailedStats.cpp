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

enum { LOBBY_GROWTH = 16, FIRST_LOBBY_INDEX_SIZE = 64 };

void clearDetailedStats(void)
{
    DetailedStats* stats = &run.detailedStats;
    LobbySums* lobbies = stats->lobbies;
    int lobbyCapacity = stats->lobbyCapacity;
    int* lobbyIndex = stats->lobbyIndex;
    int lobbyIndexSize = stats->lobbyIndexSize;
    ConditionSums* byRate = stats->byRate;
    memset(stats, 0, sizeof *stats);
    stats->lobbies = lobbies;
    stats->lobbyCapacity = lobbyCapacity;
    stats->lobbyIndex = lobbyIndex;
    stats->lobbyIndexSize = lobbyIndexSize;
    if (lobbyIndex) memset(lobbyIndex, 0, sizeof(int) * (size_t)lobbyIndexSize);
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

// The index slot of the lobby: the one holding its row, or the free one where it belongs.
static int* lobbySlot(unsigned hash, const char* lobby)
{
    const DetailedStats* stats = &run.detailedStats;
    unsigned mask = (unsigned)stats->lobbyIndexSize - 1;
    for (unsigned slot = hash & mask;; slot = (slot + 1) & mask) {
        int* entry = &stats->lobbyIndex[slot];
        if (*entry == 0 || isLobby(&stats->lobbies[*entry - 1], hash, lobby)) return entry;
    }
}

// Makes the index size slots and enters every row.
static void rebuildLobbyIndex(int size)
{
    DetailedStats* stats = &run.detailedStats;
    if (size != stats->lobbyIndexSize) {
        int* index = (int*)realloc(stats->lobbyIndex, sizeof(int) * (size_t)size);
        if (!index) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
        stats->lobbyIndex = index;
        stats->lobbyIndexSize = size;
    }
    memset(stats->lobbyIndex, 0, sizeof(int) * (size_t)size);
    for (int i = 0; i < stats->lobbyCount; i++)
        *lobbySlot(stats->lobbies[i].hash, stats->lobbies[i].lobby) = i + 1;
}

// Appends an empty row for the lobby, growing the rows and the index as needed; *slot is its free
// index slot. Returns its number.
static int appendLobby(int* slot, unsigned hash, const char* lobby)
{
    DetailedStats* stats = &run.detailedStats;
    if (stats->lobbyCount == stats->lobbyCapacity) {
        int capacity = stats->lobbyCapacity + (stats->lobbyCapacity / 2 > LOBBY_GROWTH ? stats->lobbyCapacity / 2 : LOBBY_GROWTH);
        LobbySums* rows = (LobbySums*)realloc(stats->lobbies, sizeof(LobbySums) * (size_t)capacity);
        if (!rows) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
        stats->lobbies = rows;
        stats->lobbyCapacity = capacity;
    }
    LobbySums* row = &stats->lobbies[stats->lobbyCount];
    memset(row, 0, sizeof *row);
    copyText(row->lobby, sizeof row->lobby, lobby);
    row->hash = hash;
    stats->lobbyCount++;
    if (stats->lobbyCount * 2 >= stats->lobbyIndexSize)
        rebuildLobbyIndex(stats->lobbyIndexSize ? stats->lobbyIndexSize * 2 : FIRST_LOBBY_INDEX_SIZE);
    else
        *slot = stats->lobbyCount;
    return stats->lobbyCount - 1;
}

// The sums of the lobby's row, made at its first game. The log mostly repeats its lobbies, so the
// previous game's is tried first.
static ConditionSums* lobbySums(const char* lobby)
{
    DetailedStats* stats = &run.detailedStats;
    unsigned hash = textHash(lobby);
    if (stats->lobbyCount > 0 && isLobby(&stats->lobbies[stats->latestLobby], hash, lobby))
        return &stats->lobbies[stats->latestLobby].sums;
    if (!stats->lobbyIndex) rebuildLobbyIndex(FIRST_LOBBY_INDEX_SIZE);
    int* slot = lobbySlot(hash, lobby);
    stats->latestLobby = *slot ? *slot - 1 : appendLobby(slot, hash, lobby);
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
    const LobbySums* x = (const LobbySums*)a;
    const LobbySums* y = (const LobbySums*)b;
    if (x->sums.games != y->sums.games) return x->sums.games > y->sums.games ? -1 : 1;
    return strcmp(x->lobby, y->lobby);
}

static void addSums(ConditionSums* to, const ConditionSums* from)
{
    to->games += from->games;
    for (int rank = 0; rank < 4; rank++) to->rankCounts[rank] += from->rankCounts[rank];
    to->rankSum += from->rankSum;
    to->scoreSum += from->scoreSum;
    to->money += from->money;
}

static void visitRow(ConditionRow* row, const char* name, const ConditionSums* sums,
                     void (*visit)(const ConditionRow*, void*), void* context)
{
    if (sums->games == 0) return;
    copyText(row->name, sizeof row->name, name);
    row->sums = sums;
    visit(row, context);
}

// The lobby rows: sorted in place (the index is made again for the new order), the first MAX_LOBBIES
// each on its own, the rest in one.
static void visitLobbyRows(ConditionRow* row, void (*visit)(const ConditionRow*, void*), void* context)
{
    DetailedStats* stats = &run.detailedStats;
    if (stats->lobbyCount == 0) return;
    qsort(stats->lobbies, (size_t)stats->lobbyCount, sizeof stats->lobbies[0], compareLobbies);
    rebuildLobbyIndex(stats->lobbyIndexSize);
    stats->latestLobby = 0;
    ConditionSums others = {};
    for (int i = 0; i < stats->lobbyCount; i++) {
        if (i < MAX_LOBBIES) visitRow(row, stats->lobbies[i].lobby, &stats->lobbies[i].sums, visit, context);
        else addSums(&others, &stats->lobbies[i].sums);
    }
    visitRow(row, "（その他）", &others, visit, context);
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
    visitLobbyRows(&row, visit, context);
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
