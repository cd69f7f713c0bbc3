#ifndef VORNIX_OPPONENTTABLE_H
#define VORNIX_OPPONENTTABLE_H
// One record per distinct opponent met in the run's accepted games, in the order first met.

#include "text/Text.h"

enum { OPPONENT_GROWTH = 1024 };

struct OpponentRecord {
    char name[ID_SIZE];   // as read from a player line, at most 12 bytes
    int games;            // accepted games together
    int above;            // games the player finished with more points
    int below;            // games the player finished with equal or fewer points
    float moneyLost;      // sum of the shares of 0 or less
    float moneyWon;       // sum of the positive shares
    float balance;        // sum of all shares
};

struct OpponentTable {
    OpponentRecord* records;   // one contiguous block; NULL until the first opponent of the process
    int capacity;              // records the block holds: 0, then a multiple of 1024
    int lastUsed;              // index of the last record in use; -1 when empty
};

extern OpponentTable opponentTable;

// Number of records in use.
inline int opponentCount(void) { return opponentTable.lastUsed + 1; }

// Sets every record of the storage to zero and empties the table; the storage is kept.
void clearOpponentTable(void);

// Returns the index of the record named name, appending a zeroed record when there is none. Growing
// the storage by 1024 records ends the process with "メモリ不足です" when memory runs out.
int findOrAddOpponent(const char* name);

// A hint that name will be looked up soon: the part of the index where its lookup starts is fetched
// from memory meanwhile. Changes nothing.
void prefetchOpponent(const char* name);

// Releases the storage (the fatal-error exit).
void releaseOpponentTable(void);

#endif
