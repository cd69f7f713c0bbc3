#ifndef VORNIX_TAKENGAMES_H
#define VORNIX_TAKENGAMES_H
// The games the first read takes, kept as the page of each opponent needs them: in a scratch file
// (platform/platform.h) while the log is read, played back to the opponents of the page once they are
// chosen. The page is then made from the very games the report counts, without reading the log a
// second time, and the memory stays the same for a log of any length.

#include "analysis/GameEntryParser.h"

#include <stdio.h>

struct RivalGames;

enum { TAKEN_GAMES_BUFFER = 256 * 1024 };   // bytes written or read at a time

struct TakenGames {
    FILE* file;           // NULL: none kept (not asked for, or no scratch file could be made)
    int failed;           // a write or a read failed: what was kept can't be played back
    long long count;      // games kept
    size_t used;          // bytes of buffer in use
    char lobby[256];      // the last kept game's lobby, lobbyLength bytes
    size_t lobbyLength;
    char buffer[TAKEN_GAMES_BUFFER];   // touched only when games are kept
};

// The run's is run.takenGames (analysis/RunState.h).

// Where startTakenGames gets its file; a test puts another in its place.
extern FILE* (*openTakenGamesFile)(void);

// Starts keeping games, in a new scratch file (closing any kept before). Returns 1 when games are
// kept from now on; 0 when no scratch file could be made.
int startTakenGames(TakenGames* games);

// 1 while games are kept and nothing has failed.
inline int keepingTakenGames(const TakenGames* games) { return games->file && !games->failed; }

// Keeps the game the first read took: its date, time, lobby, rate, the player's ID and seat, and each
// seat's rank, score and share, with records[i] the opponent table's index of seat i's record (-1 for
// the player's seat). Nothing when no games are kept; a failed write is noted (failed), not fatal.
void keepTakenGame(TakenGames* games, const GameEntry* game, const int records[MAX_SEATS]);

// Hands every kept game, in the order kept, to the rivals (addGameToRivalsAt). Returns 1 when each
// was played back; 0 when none were kept or the file failed (the rivals may then have been fed some).
int replayTakenGames(TakenGames* games, RivalGames* rivals);

// Closes the scratch file (which then disappears); nothing is kept any more.
void closeTakenGames(TakenGames* games);

#endif
