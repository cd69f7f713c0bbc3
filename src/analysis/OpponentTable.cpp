#include "analysis/OpponentTable.h"

#include "analysis/FatalError.h"
#include "analysis/GameEntryParser.h"
#include "text/Messages.h"
#include "text/Text.h"

#include <assert.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

// The name index gives the same answers as a scan of the records in insertion order (names are
// unique in the table), without the scan's quadratic cost over a long log.

// Names are kept with zeros after them, in the records as in the keys looked up, and compared whole.
static int recordNamed(const void* table, int record, const void* name)
{
    return sameName(((const OpponentTable*)table)->records[record].name, (const char*)name);
}

enum { LARGE_OPPONENT_TABLE = 128 * 1024 };   // records from which the index is kept smaller

static size_t findSlot(const OpponentTable* table, const char* name, uint32_t hash)
{
    return findNameSlot(&table->index, hash, recordNamed, table, name);
}

// Grows the storage by 1024 records at least, in place, keeping the records in use. The new records
// are set as they are appended (untouched until then). Record indexes don't move when the storage
// does. Ends the process when memory runs out.
static void growTable(OpponentTable* table)
{
    void* records = growBlockItems(&table->recordBlock, sizeof *table->records, &table->capacity, OPPONENT_GROWTH);
    if (!records) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
    table->records = (OpponentRecord*)records;
}

// Keeps the index for `count` records at most half full, or two thirds once the table is large (with
// a million opponents a larger index costs more in page faults than its shorter probes gain). Returns 1
// when it was built anew. Ends the process when memory runs out.
static int fitIndex(OpponentTable* table, int count)
{
    size_t n = (size_t)count;
    size_t slots = n < LARGE_OPPONENT_TABLE ? 2 * n : n + n / 2;
    if (slots < 2 * OPPONENT_GROWTH) slots = 2 * OPPONENT_GROWTH;
    if (table->index.slots && table->index.size >= slots) return 0;
    if (!fitNameIndexIn(&table->index, slots, growBlockStorage, &table->indexBlock)) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
    return 1;
}

void clearOpponentTable(OpponentTable* table)
{
    if (table->records) memset(table->records, 0, (size_t)opponentCount(table) * sizeof *table->records);
    table->lastUsed = -1;
    clearNameIndex(&table->index);
    table->indexLent = 0;
}

// Appends a zeroed record named name (kept as a seat keeps it) and returns its index; *grown is 1 when
// the index was built anew for it.
static int appendRecord(OpponentTable* table, const char name[ID_SIZE], int* grown)
{
    int index = table->lastUsed + 1;
    if (index == table->capacity) growTable(table);
    *grown = fitIndex(table, index + 1);
    table->lastUsed = index;
    OpponentRecord* record = &table->records[index];
    memset(record, 0, sizeof *record);
    memcpy(record->name, name, sizeof record->name);
    return index;
}

int findOrAddNamedOpponent(OpponentTable* table, const char name[ID_SIZE], uint32_t hash)
{
    assert(!table->indexLent);
    size_t slot = table->index.slots ? findSlot(table, name, hash) : 0;
    if (table->index.slots && nameSlotItem(&table->index, slot) >= 0) return nameSlotItem(&table->index, slot);
    int grown;
    int index = appendRecord(table, name, &grown);
    if (grown) slot = findSlot(table, name, hash);
    enterName(&table->index, slot, hash, index);
    return index;
}

int findOrAddOpponent(OpponentTable* table, const char* name)
{
    assert(!table->indexLent);
    char key[ID_SIZE] = {0};
    size_t length = copyLogText(key, sizeof key, name);
    uint32_t hash = nameHash(key);
    if (name[length] == '\0') return findOrAddNamedOpponent(table, key, hash);
    // A name too long for a record matches none: it gets a record of its own, cut to fit, which the
    // index does not hold when it holds the cut name already (that one keeps its first record, as a
    // scan in insertion order would find it).
    int grown;
    int index = appendRecord(table, key, &grown);
    size_t slot = findSlot(table, key, hash);
    if (nameSlotItem(&table->index, slot) < 0) enterName(&table->index, slot, hash, index);
    return index;
}

void prefetchOpponent(const OpponentTable* table, uint32_t hash)
{
    prefetchNameSlot(&table->index, hash);
}

// Adds the game with the seat to that opponent's record; s is the player's score. Returns the
// record's index.
static int countOpponent(OpponentTable* table, const Seat* seat, int s)
{
    int index = findOrAddNamedOpponent(table, seat->name, seat->nameHash);   // may move the storage
    OpponentRecord* record = &table->records[index];
    record->games++;
    if (seat->share > 0.0f) {
        float won = record->moneyWon + seat->share;
        record->moneyWon = won;
    } else {
        float lost = record->moneyLost + seat->share;
        record->moneyLost = lost;
    }
    float balance = record->balance + seat->share;
    record->balance = balance;
    if (s > seat->score) record->above++;
    else record->below++;
    return index;
}

void addGameToOpponents(OpponentTable* table, const GameEntry* game, int records[])
{
    int s = game->seats[game->playerSeat].score;
    for (int i = 0; i < game->seatCount; i++) {
        int record = seatIsPlayers(game, i) ? -1 : countOpponent(table, &game->seats[i], s);
        if (records) records[i] = record;
    }
}

// The block reorderOpponents gathers into grows with the table and is kept from one reordering to
// the next: with a million opponents, fresh blocks for every reordering cost more in page faults than
// the sort itself. Makes it as large as the table's storage. Returns 0 when out of memory (the block
// is then released).
static int fitSpare(OpponentTable* table)
{
    int capacity = table->capacity;
    if (capacity <= table->spareCapacity) return 1;
    free(table->spareRecords);
    table->spareRecords = (OpponentRecord*)calloc((size_t)capacity, sizeof *table->spareRecords);
    table->spareCapacity = table->spareRecords ? capacity : 0;
    return table->spareCapacity != 0;
}

// The loads of the gathering are independent of one another, so the processor overlaps their cache
// misses (walking the permutation's cycles in place does not); the records then go back in one copy,
// so that the storage stays the block that grows in place. Record indexes change, but the index is
// only used while the log is read, and every run starts by clearing it.
int reorderOpponents(OpponentTable* table, const uint64_t* order)
{
    if (!fitSpare(table)) return 0;
    int n = opponentCount(table);
    for (int i = 0; i < n; i++) table->spareRecords[i] = table->records[(uint32_t)order[i]];
    memcpy(table->records, table->spareRecords, (size_t)n * sizeof *table->records);
    return 1;
}

void* lendIndexStorage(OpponentTable* table, size_t* bytes)
{
    *bytes = table->index.size * sizeof *table->index.slots;
    if (!table->index.slots) return NULL;
    table->indexLent = 1;
    return table->index.slots;
}

void releaseOpponentTable(OpponentTable* table)
{
    free(table->spareRecords);
    table->spareRecords = NULL;
    table->spareCapacity = 0;
    releaseBlock(&table->recordBlock);
    table->records = NULL;
    table->capacity = 0;
    table->lastUsed = -1;
    releaseBlock(&table->indexBlock);
    table->index.slots = NULL;
    table->index.size = 0;
    table->indexLent = 0;
}
