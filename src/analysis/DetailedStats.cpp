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
    ConditionSums* byRate[GAME_KINDS];
    for (int kind = 0; kind < GAME_KINDS; kind++) byRate[kind] = stats->kinds[kind].byRate;
    memset(stats, 0, sizeof *stats);
    for (int kind = 0; kind < GAME_KINDS; kind++) {
        stats->kinds[kind].byRate = byRate[kind];
        if (byRate[kind]) memset(byRate[kind], 0, sizeof(ConditionSums) * RATE_ROWS);
    }
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
static ConditionSums* lobbySums(KindDetails* details, const char* lobby)
{
    unsigned hash = textHash(lobby);
    if (details->lobbyCount > 0 && isLobby(&details->lobbies[details->latestLobby], hash, lobby))
        return &details->lobbies[details->latestLobby].sums;
    for (int i = 0; i < details->lobbyCount; i++) {
        if (!isLobby(&details->lobbies[i], hash, lobby)) continue;
        details->latestLobby = i;
        return &details->lobbies[i].sums;
    }
    if (details->lobbyCount == MAX_LOBBIES) return &details->otherLobbies;
    details->latestLobby = details->lobbyCount++;
    copyText(details->lobbies[details->latestLobby].lobby, LOG_LINE_SIZE, lobby);
    details->lobbies[details->latestLobby].hash = hash;
    return &details->lobbies[details->latestLobby].sums;
}

static ConditionSums* rateSums(KindDetails* details, int rate)
{
    if (!details->byRate) {
        details->byRate = (ConditionSums*)calloc(RATE_ROWS, sizeof(ConditionSums));
        if (!details->byRate) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
    }
    return &details->byRate[rate >= 0 && rate < RATE_ROWS ? rate : 0];
}

void addGameToDetails(const GameEntry* game)
{
    if (!settings.details) return;
    DetailedStats* stats = &run.detailedStats;
    KindDetails* details = &stats->kinds[gameKind(game->seatCount)];
    double money = 0.0;
    for (int i = 0; i < game->seatCount; i++) money += game->seats[i].share;
    const Seat* player = &game->seats[game->playerSeat];
    ConditionSums* rows[] = {
        &stats->total,
        &details->total,
        &details->byLength[game->gameLength == '0' ? 0 : 1],
        lobbySums(details, game->lobby),
        rateSums(details, game->rate),
        &details->byHour[hourBand(game->time)],
    };
    for (ConditionSums* sums : rows) addToSums(sums, player->rank, player->score, money);
    addToMoments(&stats->money, money);
    addToMoments(&details->rank, player->rank);
    addToMoments(&details->score, player->score);
    RecentGame* recent = &details->ring[details->ringNext];
    *recent = RecentGame{ money, player->score, player->rank, game->seatCount };
    details->ringNext = (details->ringNext + 1) % COMPARED_GAMES;
}

// Lobby a comes before lobby b: more games, or as many and the text first in byte order.
static int lobbyBefore(const LobbySums* a, const LobbySums* b)
{
    if (a->sums.games != b->sums.games) return a->sums.games > b->sums.games;
    return strcmp(a->lobby, b->lobby) < 0;
}

// The lobby numbers of details in the order of their rows (a hundred at most: an insertion sort).
static void sortLobbies(const KindDetails* details, int order[MAX_LOBBIES])
{
    for (int i = 0; i < details->lobbyCount; i++) {
        int j = i;
        for (; j > 0 && lobbyBefore(&details->lobbies[i], &details->lobbies[order[j - 1]]); j--)
            order[j] = order[j - 1];
        order[j] = i;
    }
}

// What visitConditionRows hands on to each row.
struct RowVisit {
    ConditionRow row;
    void (*visit)(const ConditionRow*, void*);
    void* context;
};

static void visitRow(RowVisit* v, const char* name, const ConditionSums* sums)
{
    if (sums->games == 0) return;
    copyText(v->row.name, sizeof v->row.name, name);
    v->row.sums = sums;
    v->visit(&v->row, v->context);
}

static void visitLengths(RowVisit* v, const KindDetails* details)
{
    visitRow(v, "東風戦", &details->byLength[0]);
    visitRow(v, "半荘戦", &details->byLength[1]);
}

static void visitLobbies(RowVisit* v, const KindDetails* details)
{
    int order[MAX_LOBBIES];
    sortLobbies(details, order);
    for (int i = 0; i < details->lobbyCount; i++)
        visitRow(v, details->lobbies[order[i]].lobby, &details->lobbies[order[i]].sums);
    visitRow(v, "（その他）", &details->otherLobbies);
}

static void visitRates(RowVisit* v, const KindDetails* details)
{
    for (int rate = 0; details->byRate && rate < RATE_ROWS; rate++) {
        if (!details->byRate[rate].games) continue;
        char name[16];
        snprintf(name, sizeof name, "%d", rate);
        visitRow(v, name, &details->byRate[rate]);
    }
}

static void visitHours(RowVisit* v, const KindDetails* details)
{
    static const char* const bands[HOUR_BANDS] = { "0-5時", "6-11時", "12-17時", "18-23時", "不明" };
    for (int band = 0; band < HOUR_BANDS; band++) visitRow(v, bands[band], &details->byHour[band]);
}

void visitConditionRows(void (*visit)(const ConditionRow* row, void* context), void* context)
{
    const DetailedStats* stats = &run.detailedStats;
    RowVisit v;
    v.visit = visit;
    v.context = context;
    v.row.group = "人数";
    for (int kind = 0; kind < GAME_KINDS; kind++) {
        v.row.kind = kind;
        visitRow(&v, kindName(kind), &stats->kinds[kind].total);
    }
    static const struct {
        const char* group;
        void (*visitGroup)(RowVisit*, const KindDetails*);
    } groups[] = {
        { "対局", visitLengths }, { "ロビー", visitLobbies }, { "レート", visitRates }, { "時間帯", visitHours },
    };
    for (const auto& group : groups) {
        v.row.group = group.group;
        for (int kind = 0; kind < GAME_KINDS; kind++) {
            v.row.kind = kind;
            group.visitGroup(&v, &stats->kinds[kind]);
        }
    }
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

void blockFigures(int kind, int skip, int games, BlockFigures* figures)
{
    static double ranks[COMPARED_GAMES], scores[COMPARED_GAMES], money[COMPARED_GAMES];
    const KindDetails* stats = &run.detailedStats.kinds[kind];
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
