#ifndef VORNIX_GAMEINTAKE_H
#define VORNIX_GAMEINTAKE_H
// The one place a game of the analysed player enters the run: the run's selection decides whether it
// is taken, then every consumer of a game receives it, in a fixed order.

struct GameEntry;

// Takes the game when the run's selection holds it (today: its rate within settings.minRate to
// maxRate, both included) and hands it to the per-game table, the player's totals, the opponent table
// and the trends; in the second read of the log (run.pass PASS_RIVALS) only to the shared games of the
// report's opponents. Returns 1 when taken, 0 when not selected (nothing changes then).
int acceptGame(const GameEntry* game);

// Reads the open game log to its end: every entry goes to readGameEntry, every game of the player to
// take (the run's is acceptGame). run.progress, when set, is called at every entry.
void readGames(int (*take)(const GameEntry* game));

#endif
