#ifndef VORNIX_LATESTGAMES_H
#define VORNIX_LATESTGAMES_H
// The player's latest accepted games, for the report's list of them: a ring of the last 20, each
// made into what the list shows when it is listed. Fed only while settings.details is on; its size
// is fixed.

#include "analysis/GameEntryParser.h"

enum {
    LATEST_GAMES = 20,       // games listed, the newest
    LATEST_LOBBY_SIZE = 80   // a lobby of a header line, at most 79 bytes
};

struct LatestGame {
    char date[11];
    char time[6];
    char lobby[LATEST_LOBBY_SIZE];
    int rate;
    int seatCount;                            // 4 or 3
    int rank, score;                          // the player's
    int playerId;                             // which of the player's IDs played (its index)
    double money;                             // the player's: every share added in double
    char opponents[MAX_SEATS - 1][ID_SIZE];   // the other seats' names, in seat order
};

// The ring keeps each game as it was read, in one copy of the entry and its lobby's text (a game a
// row is made of only for the 20 listed, when asked).
struct LatestGames {
    GameEntry ring[LATEST_GAMES];                   // game n at slot (n - 1) % 20; its lobby and
                                                    // room pointers are not to be used
    char lobbies[LATEST_GAMES][LATEST_LOBBY_SIZE];  // the lobby of the entry in the same slot
    int games;                                      // games added
};

// Empties the list.
void clearLatestGames(LatestGames* latest);

// Adds the next game of the player.
void addToLatestGames(LatestGames* latest, const GameEntry* game);

// The number of games the list holds: games added, at most LATEST_GAMES.
int latestGameCount(const LatestGames* latest);

// The game newest places back (0 is the last game added, up to latestGameCount - 1), made into *row.
void readLatestGame(const LatestGames* latest, int newest, LatestGame* row);

#endif
