#ifndef VORNIX_MONTHLYSUMMARY_H
#define VORNIX_MONTHLYSUMMARY_H
// The player's accepted games counted by month and kind of game: one row per month key and number of
// seats, in ascending byte order of the key (four-player row first) once sortMonthlySummary has run.
// The run feeds it only while the progress option is on; the rows grow with the months of
// the log, not with its games. A game costs the same however many months there are and in whatever
// order they come: a new month is appended and found again through a hash index, and the rows are
// sorted once, after the last game.

#include "platform/GrowingBlock.h"
#include "text/NameIndex.h"

enum { MONTH_KEY_SIZE = 8 };   // "YYYY/MM" and the terminating zero

struct MonthRow {
    char month[MONTH_KEY_SIZE];   // the date text cut to at most 7 bytes at a character boundary
    int kind;                     // GameKind of the row's games
    int games;
    int wins;                     // score above 0
    int losses;                   // score below 0
    int draws;                    // score 0
    int rankCounts[4];            // games finished 1st to 4th; another rank counts only in rankSum
    long long rankSum;
    long long scoreSum;
    double money;                 // the player's money of the month: every share added in double
};

struct MonthlySummary {
    MonthRow* rows;   // in the order the months came, ascending when sorted; NULL until the first game
    int capacity;     // rows the storage holds
    int count;        // rows in use
    int latest;       // the row the previous game went to: consecutive games share their month
    int sorted;       // 1 while the rows are in ascending order of their months
    NameIndex index;  // the rows by month and kind: no slots, or above twice count
    GrowingBlock rowBlock;     // the rows' storage, grown in place
    GrowingBlock indexBlock;   // the index's
};

// The run's is run.monthlySummary (analysis/RunState.h).

// Empties the summary; the storage is kept for the next run.
void clearMonthlySummary(MonthlySummary* summary);

// The month key of a date text: its first 7 bytes, fewer when the text is shorter or when a two-byte
// code page 932 character would straddle the seventh byte. The bytes after the text are zero.
void cutMonthKey(char key[MONTH_KEY_SIZE], const char* date);

// Counts one game of the player into the row of its date's month and its kind (GameKind), appending
// the row when it is new. Growing the storage ends the process with MESSAGE_OUT_OF_MEMORY when memory
// runs out.
void addGameToMonth(MonthlySummary* summary, const char* date, int kind, int rank, int score, double money);

// Puts the rows in ascending byte order of their months, a month's four-player row first; games may
// still be added afterwards. Every reader of the rows calls it first; it costs nothing when they are
// in order already.
void sortMonthlySummary(MonthlySummary* summary);

#endif
