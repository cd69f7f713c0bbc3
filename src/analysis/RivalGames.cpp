#include "analysis/RivalGames.h"

#include "analysis/GameEntryParser.h"
#include "analysis/OpponentTable.h"
#include "text/Text.h"

#include <stdint.h>
#include <string.h>

RivalGames rivalGames;

// The slot that holds name's number, or the free slot where it belongs (the index is never full).
static int findSlot(const char* name)
{
    int slot = (int)(textHash(name) & (RIVAL_INDEX_SIZE - 1));
    while (rivalGames.index[slot] != 0 && strcmp(rivalGames.rivals[rivalGames.index[slot] - 1].name, name) != 0)
        slot = (slot + 1) & (RIVAL_INDEX_SIZE - 1);
    return slot;
}

void clearRivalGames(void)
{
    rivalGames.count = 0;
    memset(rivalGames.index, 0, sizeof rivalGames.index);
}

int addRival(const OpponentRecord* record)
{
    int slot = findSlot(record->name);
    if (rivalGames.index[slot] != 0) return rivalGames.index[slot];
    if (rivalGames.count == RIVAL_SLOTS) return 0;
    Rival* rival = &rivalGames.rivals[rivalGames.count];
    memset(rival, 0, sizeof *rival);
    copyText(rival->name, sizeof rival->name, record->name);
    rival->games = record->games;
    rival->above = record->above;
    rival->below = record->below;
    rival->balance = record->balance;
    rival->span = 1;
    rivalGames.index[slot] = ++rivalGames.count;
    return rivalGames.count;
}

int findRival(const char* name)
{
    return rivalGames.index[findSlot(name)];
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
    copyText(row->date, sizeof row->date, game->date);
    copyText(row->time, sizeof row->time, game->time);
    copyText(row->lobby, sizeof row->lobby, game->lobby);
    row->rate = game->rate;
    row->playerRank = player->rank;
    row->playerScore = player->score;
    row->rank = seat->rank;
    row->score = seat->score;
    row->share = seat->share;
}

void addGameToRivals(const GameEntry* game)
{
    for (int i = 0; i < game->seatCount; i++) {
        if (seatIsPlayers(game, i)) continue;
        int number = findRival(game->seats[i].name);
        if (number) addMeeting(&rivalGames.rivals[number - 1], game, &game->seats[i]);
    }
}

const RivalGame* recentRivalGame(const Rival* rival, int newest)
{
    return &rival->recent[(rival->meetings - 1 - newest) % RIVAL_RECENT_GAMES];
}
