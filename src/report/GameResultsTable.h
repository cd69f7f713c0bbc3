#ifndef VORNIX_GAMERESULTSTABLE_H
#define VORNIX_GAMERESULTSTABLE_H
// "%s_戦績.xls": the tab-separated per-game table of a run, one row per accepted game. It is written
// under a temporary name and replaces the previous table only when complete.

struct GameEntry;

// Its name, outcome and file are runOutputs[OUTPUT_GAME_RESULTS] (placed and discarded with
// RunOutput.h); its stream is its file.stream, open during the read loop, NULL when creation failed.
// Every writer below does nothing while it is NULL.

// Forms the name from the player's ID and creates the table's temporary file in the current directory with
// its header. Returns 1 when created, 0 when not (the name is a folder or a file that can't be
// written; the run then goes on without it).
int createGameTable(void);

// Adds the game's row: date, time, lobby, rate, room, then one group per seat (name, rank, score,
// share as a whole number) and the line end. The rows go out a large buffer at a time.
void writeGameRow(const GameEntry* game);

// Writes the rows not yet out, flushes and closes the file if it is open;
// runOutputs[OUTPUT_GAME_RESULTS].written tells whether every byte reached it (on a failure the
// temporary file is removed). Returns that flag.
int finishGameTable(void);

#endif
