#include "analysis/DetailedStats.h"

#include "analysis/ConditionContrasts.h"
#include "analysis/FatalError.h"
#include "analysis/GameEntryParser.h"
#include "text/Messages.h"
#include "text/NameIndex.h"
#include "text/Text.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { LOBBY_GROWTH = 16, FIRST_LOBBY_INDEX_SIZE = 64 };

void clearDetailedStats(DetailedStats* stats)
{
    KindDetails kept[GAME_KINDS];
    for (int kind = 0; kind < GAME_KINDS; kind++) kept[kind] = stats->kinds[kind];
    memset(stats, 0, sizeof *stats);
    for (int kind = 0; kind < GAME_KINDS; kind++) {
        KindDetails* details = &stats->kinds[kind];
        details->lobbies = kept[kind].lobbies;
        details->lobbyCapacity = kept[kind].lobbyCapacity;
        details->lobbyIndex = kept[kind].lobbyIndex;
        clearNameIndex(&details->lobbyIndex);
        details->byRate = kept[kind].byRate;
        if (details->byRate) memset(details->byRate, 0, sizeof(ConditionSums) * RATE_ROWS);
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
    sums->rankSquares += (double)rank * rank;
    sums->scoreSum += score;
    sums->money += money;
}

// A lobby text looked up, with its length.
struct LobbyKey {
    const char* text;
    size_t length;
};

// 1 when the row's text is the key's: the lengths, then the bytes eight at a time (the row's text is
// held with zeros after it; the key is read only within its length).
static int sameLobby(const LobbySums* row, const LobbyKey* key)
{
    if (row->length != key->length) return 0;
    size_t i = 0;
    for (; i + 8 <= key->length; i += 8) {
        uint64_t a, b;
        memcpy(&a, row->lobby + i, 8);
        memcpy(&b, key->text + i, 8);
        if (a != b) return 0;
    }
    for (; i < key->length; i++)
        if (row->lobby[i] != key->text[i]) return 0;
    return 1;
}

// Whether row item of the kind's lobbies (table) is the lobby of key (a LobbyKey).
static int isLobbyRow(const void* table, int item, const void* key)
{
    return sameLobby(&((const KindDetails*)table)->lobbies[item], (const LobbyKey*)key);
}

// Enters every row in the emptied index, as the rows stand now.
static void reenterLobbies(KindDetails* details)
{
    clearNameIndex(&details->lobbyIndex);
    for (int i = 0; i < details->lobbyCount; i++) {
        const LobbySums* row = &details->lobbies[i];
        const LobbyKey key = {row->lobby, row->length};
        enterName(&details->lobbyIndex, findNameSlot(&details->lobbyIndex, row->hash, isLobbyRow, details, &key),
                  row->hash, i);
    }
}

// Appends an empty row for the lobby and enters it in the index, growing both as needed; slot is its
// free index slot. Returns its number.
static int appendLobby(KindDetails* details, size_t slot, unsigned hash, const LobbyKey* lobby)
{
    if (details->lobbyCount == details->lobbyCapacity) {
        int growth = details->lobbyCapacity / 2 > LOBBY_GROWTH ? details->lobbyCapacity / 2 : LOBBY_GROWTH;
        int capacity = details->lobbyCapacity + growth;
        LobbySums* rows = (LobbySums*)realloc(details->lobbies, sizeof(LobbySums) * (size_t)capacity);
        if (!rows) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
        details->lobbies = rows;
        details->lobbyCapacity = capacity;
    }
    LobbySums* row = &details->lobbies[details->lobbyCount];
    memset(row, 0, sizeof *row);
    row->length = (unsigned)copyText(row->lobby, sizeof row->lobby, lobby->text);
    row->hash = hash;
    int item = details->lobbyCount++;
    if ((size_t)details->lobbyCount * 2 > details->lobbyIndex.size) {
        if (!fitNameIndex(&details->lobbyIndex, (size_t)details->lobbyCount * 2)) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
        slot = findNameSlot(&details->lobbyIndex, hash, isLobbyRow, details, lobby);
    }
    enterName(&details->lobbyIndex, slot, hash, item);
    return item;
}

// The sums of the lobby's row, made at its first game. The log mostly repeats its lobbies, so the
// previous game's is tried first.
static ConditionSums* lobbySums(KindDetails* details, const char* lobby, size_t length)
{
    const LobbyKey key = {lobby, length};
    unsigned hash = textWordsHash(lobby, length);
    if (details->lobbyCount > 0) {
        LobbySums* latest = &details->lobbies[details->latestLobby];
        if (latest->hash == hash && sameLobby(latest, &key)) return &latest->sums;
    }
    if (!details->lobbyIndex.slots && !fitNameIndex(&details->lobbyIndex, FIRST_LOBBY_INDEX_SIZE))
        fatalError("%s", MESSAGE_OUT_OF_MEMORY);
    size_t slot = findNameSlot(&details->lobbyIndex, hash, isLobbyRow, details, &key);
    int item = nameSlotItem(&details->lobbyIndex, slot);
    details->latestLobby = item >= 0 ? item : appendLobby(details, slot, hash, &key);
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

void addGameToDetails(DetailedStats* stats, const GameEntry* game)
{
    KindDetails* details = &stats->kinds[gameKind(game->seatCount)];
    double money = game->money;
    const Seat* player = &game->seats[game->playerSeat];
    ConditionSums* rows[] = {
        &stats->total,
        &details->total,
        &details->byLength[game->gameLength == '0' ? 0 : 1],
        lobbySums(details, game->lobby, entryLobbyLength(game)),
        rateSums(details, game->rate),
        &details->byHour[hourBand(game->time)],
    };
    const int rank = player->rank, score = player->score;   // read once: the sums' stores may alias them
    for (ConditionSums* sums : rows) addToSums(sums, rank, score, money);
    addToMoments(&stats->money, money);
    addToMoments(&details->rank, rank);
    addToMoments(&details->score, score);
    addToMoments(&details->money, money);
    RecentGame* recent = &details->ring[details->ringNext];
    *recent = RecentGame{ money, score, rank, game->seatCount };
    if (++details->ringNext == FORM_MAX_LATEST) details->ringNext = 0;
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

static void visitLengths(RowVisit* v, KindDetails* details)
{
    visitRow(v, "東風戦", &details->byLength[0]);
    visitRow(v, "半荘戦", &details->byLength[1]);
}

// The lobby rows: sorted in place (the index is made again for the new order), the first MAX_LOBBIES
// each on its own, the rest in one.
static void visitLobbies(RowVisit* v, KindDetails* details)
{
    if (details->lobbyCount == 0) return;
    qsort(details->lobbies, (size_t)details->lobbyCount, sizeof details->lobbies[0], compareLobbies);
    reenterLobbies(details);
    details->latestLobby = 0;
    ConditionSums others = {};
    for (int i = 0; i < details->lobbyCount; i++) {
        if (i < MAX_LOBBIES) visitRow(v, details->lobbies[i].lobby, &details->lobbies[i].sums);
        else addSums(&others, &details->lobbies[i].sums);
    }
    visitRow(v, "（その他）", &others);
}

static void visitRates(RowVisit* v, KindDetails* details)
{
    for (int rate = 0; details->byRate && rate < RATE_ROWS; rate++) {
        if (!details->byRate[rate].games) continue;
        char name[16];
        snprintf(name, sizeof name, "%d", rate);
        visitRow(v, name, &details->byRate[rate]);
    }
}

static void visitHours(RowVisit* v, KindDetails* details)
{
    static const char* const bands[HOUR_BANDS] = { "0-5時", "6-11時", "12-17時", "18-23時", "不明" };
    for (int band = 0; band < HOUR_BANDS; band++) visitRow(v, bands[band], &details->byHour[band]);
}

void visitConditionRows(DetailedStats* stats, void (*visit)(const ConditionRow* row, void* context), void* context)
{
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
        void (*visitGroup)(RowVisit*, KindDetails*);
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

void rankMoments(const ConditionSums* sums, Moments* moments)
{
    *moments = Moments{ sums->games, 0.0, 0.0 };
    if (sums->games == 0) return;
    moments->mean = (double)sums->rankSum / sums->games;
    moments->squares = sums->rankSquares - moments->mean * (double)sums->rankSum;
    if (moments->squares < 0.0) moments->squares = 0.0;   // no spread, less the rounding
}

int kindFormBlocks(const DetailedStats* stats, int kind, FormBlock* latest, FormBlock* earlier)
{
    const KindDetails* details = &stats->kinds[kind];
    int games = latestBlockGames(details->total.games);
    if (games == 0) return 0;
    int seats = kindSeats(kind);
    *latest = FormBlock{};
    for (int i = 0; i < games; i++) {
        int slot = ((details->ringNext - 1 - i) % FORM_MAX_LATEST + FORM_MAX_LATEST) % FORM_MAX_LATEST;
        const RecentGame* game = &details->ring[slot];
        addToFormBlock(latest, game->rank, game->score, game->money, seats);
    }
    const FormBlock whole = { details->rank, details->score, details->money, details->total.rankCounts[0],
                              details->total.rankCounts[seats - 1] };
    earlierBlock(&whole, latest, earlier);
    return 1;
}

// The rows of the table by condition as contrasts: a group is the rows of one condition and kind.
struct ContrastCollection {
    ContrastRow* rows;
    int count;
    const char* group;
    int kind;
    int groups;
};

static void countRow(const ConditionRow*, void* context)
{
    (*(int*)context)++;
}

static void collectRow(const ConditionRow* row, void* context)
{
    ContrastCollection* collection = (ContrastCollection*)context;
    if (collection->count == 0 || strcmp(row->group, collection->group) != 0 || row->kind != collection->kind)
        collection->groups++;
    collection->group = row->group;
    collection->kind = row->kind;
    ContrastRow* contrast = &collection->rows[collection->count++];
    rankMoments(row->sums, &contrast->rank);
    contrast->group = collection->groups;
    contrast->mark = 0;
}

signed char* conditionRowMarks(DetailedStats* stats, int* count)
{
    int rows = 0;
    visitConditionRows(stats, countRow, &rows);
    size_t size = rows > 0 ? (size_t)rows : 1;
    ContrastRow* contrasts = (ContrastRow*)malloc(size * sizeof(ContrastRow));
    double* scratch = (double*)malloc(2 * size * sizeof(double));
    signed char* marks = (signed char*)malloc(size);
    if (!contrasts || !scratch || !marks) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
    ContrastCollection collection = { contrasts, 0, "", 0, 0 };
    visitConditionRows(stats, collectRow, &collection);
    markContrasts(contrasts, rows, scratch);
    for (int i = 0; i < rows; i++) marks[i] = (signed char)contrasts[i].mark;
    free(contrasts);
    free(scratch);
    *count = rows;
    return marks;
}
