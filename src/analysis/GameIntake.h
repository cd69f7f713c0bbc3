#ifndef VORNIX_GAMEINTAKE_H
#define VORNIX_GAMEINTAKE_H
// The one place a game of the analysed player enters the run: the run's selection decides whether it
// is taken, then every consumer of a game receives it, in a fixed order.

struct GameEntry;

// 1 when the entry lies within every analysis condition that is set (settings/AnalysisConditions.h),
// whatever its rate: its date text a well-formed day within the period, its lobby one of the lobbies
// byte for byte (a NULL lobby is none), its game length, its number of seats. 1 when none is set.
int gameInsideConditions(const GameEntry* game);

// The run's selection: 1 when the game lies within the rate range (settings.minRate to maxRate, both
// included) and gameInsideConditions holds.
int gameIsSelected(const GameEntry* game);

// Takes the game when gameIsSelected holds and hands it to the per-game table, the player's totals,
// the opponent table, the trends, the detailed record and the latest games; in the second read of
// the log (run.pass PASS_RIVALS) only to the shared games of the report's opponents. Returns 1 when
// taken, 0 when not selected (nothing changes then).
int acceptGame(const GameEntry* game);

// Reads the open game log to its end, the one read loop of a log: every entry goes to readGameEntry,
// every complete game of the player to take (the run's is acceptGame). A broken entry ends the
// process through fatalError, naming its line; with settings.skipBroken it is counted in run instead
// and the read goes on after the line that failed, or at the next entry's header line when that
// stood for a player line (the entry was cut short); in the second read (PASS_RIVALS) one the tolerant
// reading does not skip ends the read instead, as a sign that the log changed. What the read met is
// tallied in run.reads[run.pass]. run.progress, when set, is called at every entry.
void readGames(int (*take)(const GameEntry* game));

#endif
