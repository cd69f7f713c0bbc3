#include "analysis/LatestGames.h"

#include "text/Text.h"

#include <string.h>

void clearLatestGames(LatestGames* latest)
{
    latest->games = 0;
}

void addToLatestGames(LatestGames* latest, const GameEntry* game)
{
    int slot = latest->games % LATEST_GAMES;
    latest->ring[slot] = *game;
    copyEntryLobby(latest->lobbies[slot], LATEST_LOBBY_SIZE, game);
    latest->games++;
}

int latestGameCount(const LatestGames* latest)
{
    return latest->games < LATEST_GAMES ? latest->games : LATEST_GAMES;
}

void readLatestGame(const LatestGames* latest, int newest, LatestGame* row)
{
    int slot = (latest->games - 1 - newest) % LATEST_GAMES;
    const GameEntry* game = &latest->ring[slot];
    memset(row, 0, sizeof *row);
    copyText(row->date, sizeof row->date, game->date);
    copyText(row->time, sizeof row->time, game->time);
    copyText(row->lobby, sizeof row->lobby, latest->lobbies[slot]);
    row->rate = game->rate;
    row->seatCount = game->seatCount;
    const Seat* player = &game->seats[game->playerSeat];
    row->playerId = game->playerId;
    row->rank = player->rank;
    row->score = player->score;
    row->money = game->money;
    int other = 0;
    for (int i = 0; i < game->seatCount; i++)
        if (!seatIsPlayers(game, i) && other < MAX_SEATS - 1)
            copyText(row->opponents[other++], sizeof row->opponents[0], game->seats[i].name);
}
