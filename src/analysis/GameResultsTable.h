#ifndef VORNIX_GAMERESULTSTABLE_H
#define VORNIX_GAMERESULTSTABLE_H
// "%s_戦績.xls": the tab-separated per-game table of a run, one row per accepted game. It is written
// under a temporary name and replaces the previous table only when complete.

#include <stdio.h>

// Its name, outcome and file are run.outputs[OUTPUT_GAME_RESULTS] (placed and discarded with
// RunOutput.h).

extern FILE* gameTableFile;   // open during the read loop; NULL when creation failed

// Forms the name from currentId and creates the table's temporary file in the current directory with
// its header. Returns 1 when created, 0 when not (the name is a folder or a file that can't be
// written; the run then goes on without it).
int createGameTable(void);

// Writes a row's leading fields: date, time, lobby, rate, room (no line end).
void writeGameRowStart(const char* date, const char* time, const char* lobby, int rate, const char* room);

// Writes one seat group: name, rank, score, share.
void writeGameRowSeat(const char* name, int rank, int score, float share);

// Ends the row.
void writeGameRowEnd(void);

// Flushes and closes the file if it is open; run.outputs[OUTPUT_GAME_RESULTS].written
// tells whether every byte
// reached it (on a failure the temporary file is removed). Returns that flag.
int finishGameTable(void);

#endif
