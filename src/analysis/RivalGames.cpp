#include "analysis/RivalGames.h"

#include "analysis/GameEntryParser.h"
#include "analysis/OpponentTable.h"
#include "text/Text.h"

#include <stdint.h>
#include <string.h>

static int rivalNamed(const void* games, int rival, const void* name)
{
    return strcmp(((const RivalGames*)games)->rivals[rival].name, (const char*)name) == 0;
}

// The same for a seat's name, kept with zeros after it as the rivals' names are: two words compared.
static int rivalSeated(const void* games, int rival, const void* name)
{
    return sameName(((const RivalGames*)games)->rivals[rival].name, (const char*)name);
}

// The slot that holds name's number, or the free slot where it belongs (the index is never full).
static size_t findSlot(const RivalGames* games, const char* name, uint32_t hash)
{
    return findNameSlot(&games->index, hash, rivalNamed, games, name);
}

// The index's hash of a name: nameHash of it as a seat keeps it.
static uint32_t rivalHash(const char* name)
{
    char key[ID_SIZE] = {0};
    copyLogText(key, sizeof key, name);
    return nameHash(key);
}

void clearRivalGames(RivalGames* games)
{
    games->count = 0;
    games->index.slots = games->slots;
    games->index.size = RIVAL_INDEX_SIZE;
    clearNameIndex(&games->index);
}

int addRival(RivalGames* games, const OpponentRecord* record)
{
    uint32_t hash = rivalHash(record->name);
    size_t slot = findSlot(games, record->name, hash);
    if (nameSlotItem(&games->index, slot) >= 0) return nameSlotItem(&games->index, slot) + 1;
    if (games->count == RIVAL_SLOTS) return 0;
    Rival* rival = &games->rivals[games->count];
    memset(rival, 0, sizeof *rival);
    copyText(rival->name, sizeof rival->name, record->name);
    rival->games = record->games;
    rival->above = record->above;
    rival->below = record->below;
    rival->balance = record->balance;
    rival->span = 1;
    enterName(&games->index, slot, hash, games->count);
    return ++games->count;
}

int findRival(const RivalGames* games, const char* name)
{
    return nameSlotItem(&games->index, findSlot(games, name, rivalHash(name))) + 1;
}

// Every bucket is full: each pair becomes one bucket that ends where its second half ended.
static void mergePoints(Rival* rival)
{
    for (int i = 0; i < RIVAL_POINTS / 2; i++) rival->points[i] = rival->points[2 * i + 1];
    rival->pointCount = RIVAL_POINTS / 2;
    rival->span *= 2;
}

static void addPoint(Rival* rival)
{
    int n = rival->meetings;
    int bucket = (n - 1) / rival->span;
    if (bucket >= rival->pointCount) {
        if (rival->pointCount == RIVAL_POINTS) mergePoints(rival);
        bucket = rival->pointCount++;
    }
    rival->points[bucket].game = n;
    rival->points[bucket].balance = rival->runningBalance;
}

static void addMeeting(Rival* rival, const GameEntry* game, const Seat* seat)
{
    const Seat* player = &game->seats[game->playerSeat];
    rival->meetings++;
    int kind = gameKind(game->seatCount);
    addToPlaceSums(&rival->playerPlaces[kind], player->rank, player->score);
    addToPlaceSums(&rival->places[kind], seat->rank, seat->score);
    float balance = rival->runningBalance + seat->share;
    rival->runningBalance = balance;
    addPoint(rival);
    RivalGame* row = &rival->recent[(rival->meetings - 1) % RIVAL_RECENT_GAMES];
    static_assert(sizeof row->date == sizeof game->date && sizeof row->time == sizeof game->time,
                  "a game's date and time fields and a row's");
    memcpy(row->date, game->date, sizeof row->date);   // the entry's fields whole
    memcpy(row->time, game->time, sizeof row->time);
    copyEntryLobby(row->lobby, sizeof row->lobby, game);
    row->rate = game->rate;
    row->playerId = game->playerId;
    row->playerRank = player->rank;
    row->playerScore = player->score;
    row->rank = seat->rank;
    row->score = seat->score;
    row->share = seat->share;
}

void addGameToRivals(RivalGames* games, const GameEntry* game)
{
    for (int i = 0; i < game->seatCount; i++) {
        if (seatIsPlayers(game, i)) continue;
        const Seat* seat = &game->seats[i];
        size_t slot = findNameSlot(&games->index, seat->nameHash, rivalSeated, games, seat->name);
        int number = nameSlotItem(&games->index, slot) + 1;
        if (number) addMeeting(&games->rivals[number - 1], game, &game->seats[i]);
    }
}

const RivalGame* recentRivalGame(const Rival* rival, int newest)
{
    return &rival->recent[(rival->meetings - 1 - newest) % RIVAL_RECENT_GAMES];
}
