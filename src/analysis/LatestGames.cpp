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
    char* lobby = latest->lobbies[slot];
    size_t lobbyLength = entryLobbyLength(game);
    if (lobbyLength < LATEST_LOBBY_SIZE) {   // always, for an entry read from the log (at most 78 bytes)
        size_t i = 0;   // a few bytes: eight at a time, then one by one
        for (; i + 8 <= lobbyLength; i += 8) memcpy(lobby + i, game->lobby + i, 8);
        for (; i < lobbyLength; i++) lobby[i] = game->lobby[i];
        lobby[lobbyLength] = '\0';
    } else {
        copyText(lobby, LATEST_LOBBY_SIZE, game->lobby);   // a longer text made otherwise: cut
    }
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
