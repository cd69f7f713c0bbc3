#include "analysis/OpponentTable.h"

#include "analysis/FatalError.h"
#include "analysis/GameEntryParser.h"
#include "analysis/RunState.h"
#include "text/Messages.h"
#include "text/Text.h"

#include <limits.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

// Beside the table, an open-addressing index over its records: each slot holds a record index + 1,
// or 0 when free, and the hash of that record's name, so that a probe compares names only when the
// hashes agree (a record's name is rarely in the cache; the slot's hash is). It gives the same answers
// as a scan of the records in insertion order (names are unique in the table), without the scan's
// quadratic cost over a long log. Its size is a power of two of at least twice the capacity, so it is
// never more than half full.
// The index is run.opponentTable.indexSlots, of indexSize slots.

// The slot that holds the record named name (whose hash is hash), or the free slot where it belongs.
static size_t findSlot(const char* name, uint32_t hash)
{
    size_t mask = run.opponentTable.indexSize - 1;
    size_t slot = hash & mask;
    while (run.opponentTable.indexSlots[slot].record != 0) {
        const IndexSlot* s = &run.opponentTable.indexSlots[slot];
        if (s->hash == hash && strcmp(run.opponentTable.records[s->record - 1].name, name) == 0) return slot;
        slot = (slot + 1) & mask;
    }
    return slot;
}

// Enters record i under its stored name; a name already entered keeps its first record, as a scan
// in insertion order would find it.
static void enterInIndex(int i)
{
    uint32_t hash = textHash(run.opponentTable.records[i].name);
    size_t slot = findSlot(run.opponentTable.records[i].name, hash);
    if (run.opponentTable.indexSlots[slot].record != 0) return;
    run.opponentTable.indexSlots[slot].hash = hash;
    run.opponentTable.indexSlots[slot].record = i + 1;
}

static void clearIndex(void)
{
    if (run.opponentTable.indexSlots) memset(run.opponentTable.indexSlots, 0, run.opponentTable.indexSize * sizeof *run.opponentTable.indexSlots);
}

// Makes the index at least twice the capacity. Only a larger index is built anew, from the slots of
// the old one (their hashes say where each goes, so no record is read); it doubles, so the work stays
// linear in the number of opponents. Record indexes don't move when the storage does. Returns 0 when
// out of memory.
static int fitIndex(void)
{
    size_t size = run.opponentTable.indexSize ? run.opponentTable.indexSize : 1;
    while (size < 2 * (size_t)run.opponentTable.capacity) size *= 2;
    if (size == run.opponentTable.indexSize) return 1;
    IndexSlot* slots = (IndexSlot*)calloc(size, sizeof *slots);
    if (!slots) return 0;
    for (size_t i = 0; i < run.opponentTable.indexSize; i++) {
        if (run.opponentTable.indexSlots[i].record == 0) continue;
        size_t slot = run.opponentTable.indexSlots[i].hash & (size - 1);
        while (slots[slot].record != 0) slot = (slot + 1) & (size - 1);
        slots[slot] = run.opponentTable.indexSlots[i];
    }
    free(run.opponentTable.indexSlots);
    run.opponentTable.indexSlots = slots;
    run.opponentTable.indexSize = size;
    return 1;
}

// Grows the storage by 1024 zeroed records, keeping the records in use. Ends the process when memory
// runs out.
static void growTable(void)
{
    if (run.opponentTable.capacity > INT_MAX - OPPONENT_GROWTH) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
    int capacity = run.opponentTable.capacity + OPPONENT_GROWTH;
    OpponentRecord* records =
        (OpponentRecord*)realloc(run.opponentTable.records, (size_t)capacity * sizeof *records);
    if (!records) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
    memset(records + run.opponentTable.capacity, 0, OPPONENT_GROWTH * sizeof *records);
    run.opponentTable.records = records;
    run.opponentTable.capacity = capacity;
    if (!fitIndex()) fatalError("%s", MESSAGE_OUT_OF_MEMORY);
}

void clearOpponentTable(void)
{
    OpponentTable* table = &run.opponentTable;
    if (table->records) memset(table->records, 0, (size_t)table->capacity * sizeof *table->records);
    table->lastUsed = -1;
    clearIndex();
}

int findOrAddOpponent(const char* name)
{
    uint32_t hash = textHash(name);
    size_t slot = run.opponentTable.indexSlots ? findSlot(name, hash) : 0;
    if (run.opponentTable.indexSlots && run.opponentTable.indexSlots[slot].record != 0) return run.opponentTable.indexSlots[slot].record - 1;
    int index = run.opponentTable.lastUsed + 1;
    int grows = index == run.opponentTable.capacity;
    if (grows) growTable();
    run.opponentTable.lastUsed = index;
    OpponentRecord* record = &run.opponentTable.records[index];
    memset(record, 0, sizeof *record);
    size_t length = copyLogText(record->name, sizeof record->name, name);
    // The lookup ended at the free slot for the name, unless growing rebuilt the index or the name
    // was cut to fit the record.
    if (grows || name[length] != '\0') {
        enterInIndex(index);
        return index;
    }
    run.opponentTable.indexSlots[slot].hash = hash;
    run.opponentTable.indexSlots[slot].record = index + 1;
    return index;
}

void prefetchOpponent(const char* name)
{
    if (run.opponentTable.indexSlots) __builtin_prefetch(&run.opponentTable.indexSlots[textHash(name) & (run.opponentTable.indexSize - 1)]);
}

// Adds the game with the seat to that opponent's record; s is the player's score.
static void countOpponent(const Seat* seat, int s)
{
    int index = findOrAddOpponent(seat->name);   // may move the storage: take the address after it
    OpponentRecord* record = &run.opponentTable.records[index];
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
}

void addGameToOpponents(const GameEntry* game)
{
    int s = game->seats[game->playerSeat].score;
    for (int i = 0; i < game->seatCount; i++)
        if (!seatIsPlayers(game, i)) countOpponent(&game->seats[i], s);
}

// The block reorderOpponents gathers into; it grows with the table and is kept from one reordering to
// the next: with a million opponents, fresh blocks for every reordering cost more in page faults than
// the sort itself. It is run.opponentTable.spareRecords; run.opponentTable.spareCapacity is what it holds at least.

// Makes the spare block as large as the table's storage. Returns 0 when out of memory (the block is
// then released).
static int fitSpare(void)
{
    int capacity = run.opponentTable.capacity;
    if (capacity <= run.opponentTable.spareCapacity) return 1;
    free(run.opponentTable.spareRecords);
    run.opponentTable.spareRecords = (OpponentRecord*)calloc((size_t)capacity, sizeof *run.opponentTable.spareRecords);
    run.opponentTable.spareCapacity = run.opponentTable.spareRecords ? capacity : 0;
    return run.opponentTable.spareCapacity != 0;
}

// The loads of the gathering are independent of one another, so the processor overlaps their cache
// misses (walking the permutation's cycles in place does not). Record indexes change, but the index
// is only used while the log is read, and every run starts by clearing it.
int reorderOpponents(const uint64_t* order)
{
    if (!fitSpare()) return 0;
    int n = opponentCount();
    for (int i = 0; i < n; i++) run.opponentTable.spareRecords[i] = run.opponentTable.records[(uint32_t)order[i]];
    OpponentRecord* old = run.opponentTable.records;
    run.opponentTable.records = run.opponentTable.spareRecords;
    run.opponentTable.spareRecords = old;
    run.opponentTable.spareCapacity = run.opponentTable.capacity;   // what the old storage, now the spare block, holds
    return 1;
}

void releaseOpponentTable(void)
{
    free(run.opponentTable.spareRecords);
    run.opponentTable.spareRecords = NULL;
    run.opponentTable.spareCapacity = 0;
    free(run.opponentTable.records);
    run.opponentTable.records = NULL;
    run.opponentTable.capacity = 0;
    run.opponentTable.lastUsed = -1;
    free(run.opponentTable.indexSlots);
    run.opponentTable.indexSlots = NULL;
    run.opponentTable.indexSize = 0;
}
