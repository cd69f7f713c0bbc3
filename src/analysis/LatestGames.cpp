#include "analysis/LatestGames.h"

#include "text/Text.h"

#include <string.h>

void clearLatestGames(LatestGames* latest)
{
    latest->games = 0;
}

void addToLatestGames(LatestGames* latest, const GameEntry* game)
{
    LatestGame* row = &latest->ring[latest->games % LATEST_GAMES];
    // Every text of the entry fits its field here (a lobby has at most 78 bytes): plain copies, the
    // entry's own fields whole.
    static_assert(sizeof row->date == sizeof game->date && sizeof row->time == sizeof game->time &&
                  sizeof row->opponents[0] == sizeof game->seats[0].name, "the fields of a game and of its row");
    memcpy(row->date, game->date, sizeof row->date);
    memcpy(row->time, game->time, sizeof row->time);
    copyLogText(row->lobby, sizeof row->lobby, game->lobby ? game->lobby : "");
    row->rate = game->rate;
    row->seatCount = game->seatCount;
    const Seat* player = &game->seats[game->playerSeat];
    row->playerId = game->playerId;
    row->rank = player->rank;
    row->score = player->score;
    row->money = 0.0;
    row->opponents[MAX_SEATS - 2][0] = '\0';   // a three-player game's third place stays empty
    int other = 0;
    for (int i = 0; i < game->seatCount; i++) {
        row->money += game->seats[i].share;
        if (!seatIsPlayers(game, i) && other < MAX_SEATS - 1)
            memcpy(row->opponents[other++], game->seats[i].name, sizeof row->opponents[0]);
    }
    latest->games++;
}

int latestGameCount(const LatestGames* latest)
{
    return latest->games < LATEST_GAMES ? latest->games : LATEST_GAMES;
}

const LatestGame* latestGame(const LatestGames* latest, int newest)
{
    return &latest->ring[(latest->games - 1 - newest) % LATEST_GAMES];
}
