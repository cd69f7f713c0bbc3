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

// The slot of byRecord that holds the rival of the record index, or the free slot where it belongs.
static size_t recordSlot(const RivalGames* games, int record)
{
    size_t slot = ((uint32_t)record * 2654435761u) >> 24 & (RIVAL_INDEX_SIZE - 1);
    while (games->byRecord[slot] && games->recordOf[slot] != record)
        slot = (slot + 1) & (RIVAL_INDEX_SIZE - 1);
    return slot;
}

void clearRivalGames(RivalGames* games)
{
    games->count = 0;
    memset(games->byRecord, 0, sizeof games->byRecord);
    games->index.slots = games->slots;
    games->index.size = RIVAL_INDEX_SIZE;
    clearNameIndex(&games->index);
}

int addRival(RivalGames* games, const OpponentRecord* record, int recordIndex)
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
    size_t bySlot = recordSlot(games, recordIndex);
    games->byRecord[bySlot] = (unsigned char)(games->count + 1);
    games->recordOf[bySlot] = recordIndex;
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

// Counts the game with the seat for the rival; its row goes into the ring unless listedFrom says the
// meeting can't be among the last 20 (meetings from listedFrom on are; 0: any can be).
static void addMeeting(Rival* rival, const GameEntry* game, const Seat* seat, int listedFrom)
{
    const Seat* player = &game->seats[game->playerSeat];
    rival->meetings++;
    int kind = gameKind(game->seatCount);
    addToPlaceSums(&rival->playerPlaces[kind], player->rank, player->score);
    addToPlaceSums(&rival->places[kind], seat->rank, seat->score);
    float balance = rival->runningBalance + seat->share;
    rival->runningBalance = balance;
    addPoint(rival);
    if (rival->meetings < listedFrom) return;
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
        if (number) addMeeting(&games->rivals[number - 1], game, &game->seats[i], 0);
    }
}

void addGameToRivalsAt(RivalGames* games, const GameEntry* game, const int records[])
{
    for (int i = 0; i < game->seatCount; i++) {
        if (seatIsPlayers(game, i)) continue;
        int number = games->byRecord[recordSlot(games, records[i])];
        if (!number) continue;
        // The first read's games: as many meetings as the record counted games.
        Rival* rival = &games->rivals[number - 1];
        addMeeting(rival, game, &game->seats[i], rival->games - RIVAL_RECENT_GAMES + 1);
    }
}

const RivalGame* recentRivalGame(const Rival* rival, int newest)
{
    return &rival->recent[(rival->meetings - 1 - newest) % RIVAL_RECENT_GAMES];
}
