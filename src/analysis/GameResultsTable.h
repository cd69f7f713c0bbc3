#ifndef VORNIX_GAMERESULTSTABLE_H
#define VORNIX_GAMERESULTSTABLE_H
// "%s_戦績.xls": the tab-separated per-game table of a run, one row per accepted game.

#include <stdio.h>

enum { TABLE_NAME_SIZE = 256 };

extern char gameTableName[TABLE_NAME_SIZE];   // "%s_戦績.xls" with currentId, at most 255 bytes
extern FILE* gameTableFile;                   // open during the read loop; NULL when creation failed
extern int gameTableCreated;                  // 1 when this run's file could be created

// Forms the name from currentId, creates the file in the current directory and writes its header.
// Returns 1 when created, 0 when not (the run then goes on without it).
int createGameTable(void);

// Writes a row's leading fields: date, time, lobby, rate, room (no line end).
void writeGameRowStart(const char* date, const char* time, const char* lobby, int rate, const char* room);

// Writes one seat group: name, rank, score, share.
void writeGameRowSeat(const char* name, int rank, int score, float share);

// Ends the row.
void writeGameRowEnd(void);

// Closes the file if it is open (gameTableCreated stays as it was).
void closeGameTable(void);

#endif
