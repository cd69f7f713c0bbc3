#ifndef VORNIX_OPPONENTTABLE_H
#define VORNIX_OPPONENTTABLE_H
// One record per distinct opponent met in the run's accepted games, in the order first met.

#include "platform/GrowingBlock.h"
#include "text/NameIndex.h"
#include "text/Text.h"

#include <stddef.h>
#include <stdint.h>

struct GameEntry;

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
    OpponentRecord* records;        // recordBlock's start: NULL until the first opponent of the process
    int capacity;                   // records the block holds: 0, then 1024 and more
    GrowingBlock recordBlock;       // the records' storage, grown in place
    GrowingBlock indexBlock;        // the index's storage, grown in place
    int lastUsed;                   // index of the last record in use; -1 when empty
    NameIndex index;                // by name, used while the log is read: at least twice the
                                    // records in use (1.5 times in a large table); no slots until
                                    // needed
    OpponentRecord* spareRecords;   // the block reorderOpponents gathers into; kept between runs
    int spareCapacity;              // records it holds at least
    int indexLent;                  // 1 once lendIndexStorage lent the index's storage, until cleared
};

// The run's table is run.opponentTable (analysis/RunState.h).

// Number of records in use.
inline int opponentCount(const OpponentTable* table) { return table->lastUsed + 1; }

// Sets every record in use to zero and empties the table; the storage is kept.
void clearOpponentTable(OpponentTable* table);

// Returns the index of the record named name, appending a zeroed record when there is none. Growing
// the storage (by 1024 records at least) ends the process with MESSAGE_OUT_OF_MEMORY when memory runs
// out.
int findOrAddOpponent(OpponentTable* table, const char* name);

// The same for a name kept as a seat keeps it (at most 15 bytes, zeros after them in its ID_SIZE
// bytes) whose nameHash is hash.
int findOrAddNamedOpponent(OpponentTable* table, const char name[ID_SIZE], uint32_t hash);

// A hint that a name of nameHash hash will be looked up soon: the part of the index where its lookup
// starts is fetched from memory meanwhile. Changes nothing.
void prefetchOpponent(const OpponentTable* table, uint32_t hash);

// Adds one accepted game to the record of each seat but the player's: one game more, one above or below
// (the player's score against the seat's; equal counts as below), and the seat's share added to the
// balance and to the money won (a positive share) or lost, each addition rounded to float. Growing the
// storage may end the process (findOrAddOpponent). records (NULL: not asked for) gets the index of
// each seat's record, -1 for the player's seat.
void addGameToOpponents(OpponentTable* table, const GameEntry* game, int records[]);

// Puts the records in use in a new order: the record at position (uint32_t)order[i] goes to position i
// (the high 32 bits of each item are the caller's, e.g. a sort key). order holds opponentCount items
// naming each position once. The records are gathered into a second block, kept for the next
// reordering, and copied back.
// Returns 0 when out of memory: then nothing has moved.
int reorderOpponents(OpponentTable* table, const uint64_t* order);

// The index's storage, *bytes long (at least 12 bytes a record in use), as scratch memory for the
// work on the records once the log is read: no name is looked up from then on. NULL when the index has
// no slots. Until the next clearOpponentTable (the start of every run) the index holds nothing sound.
void* lendIndexStorage(OpponentTable* table, size_t* bytes);

// Releases the storage and the reordering's block (the fatal-error exit).
void releaseOpponentTable(OpponentTable* table);

#endif
