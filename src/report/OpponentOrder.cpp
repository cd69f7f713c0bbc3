#include "report/OpponentOrder.h"

#include "analysis/OpponentTable.h"

#include <algorithm>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

// Larger values first.
template <typename T> static int descending(T a, T b)
{
    if (a > b) return -1;
    if (a < b) return 1;
    return 0;
}

int compareByGames(const OpponentRecord* a, const OpponentRecord* b)
{
    return descending(a->games, b->games);
}

int compareByBalance(const OpponentRecord* a, const OpponentRecord* b)
{
    return descending(a->balance, b->balance);
}

// margin = above - below, in 64 bits so that it never overflows.
static long long marginOf(const OpponentRecord* r)
{
    return (long long)r->above - r->below;
}

int compareByMargin(const OpponentRecord* a, const OpponentRecord* b)
{
    return descending(marginOf(a), marginOf(b));
}

// Sorting whole records by merging moves each of them about log2(n) times, through a comparison
// called by pointer; with a million opponents that took a good part of a run. Each of the three orders
// therefore also has a sort key: a number that is smaller for the record that goes first and equal
// where the comparison answers 0. A stable radix sort orders the keys with the records' positions,
// and then every record moves once: the order a stable sort with the comparison gives.
typedef uint64_t (*OpponentKey)(const OpponentRecord* r);

// Maps a signed value to an unsigned key that is smaller for larger values.
static uint64_t largestFirst(long long value)
{
    return ~((uint64_t)value ^ (1ull << 63));
}

static uint64_t gamesKey(const OpponentRecord* r)
{
    return largestFirst(r->games);
}

static uint64_t marginKey(const OpponentRecord* r)
{
    return largestFirst(marginOf(r));
}

// The float's bits as a signed magnitude, which orders as the values do; -0 and 0 both give 0, as
// they compare equal.
static uint64_t balanceKey(const OpponentRecord* r)
{
    int32_t bits;
    memcpy(&bits, &r->balance, sizeof bits);
    long long ordered = bits < 0 ? -(long long)(bits & 0x7fffffff) : (long long)bits;
    return largestFirst(ordered);
}

static OpponentKey keyOf(OpponentComparison compare)
{
    if (compare == compareByGames) return gamesKey;
    if (compare == compareByBalance) return balanceKey;
    if (compare == compareByMargin) return marginKey;
    return NULL;
}

struct SortItem {
    uint64_t key;
    int position;   // the record's index before the sort
};

// Stable least-significant-digit radix sort of n items by key, one byte per pass. The keys are first
// made relative to the smallest, so the bytes above the largest difference need no pass. spare is as
// large as items; returns the one of the two that holds the result.
static SortItem* radixSort(SortItem* items, SortItem* spare, int n)
{
    uint64_t smallest = items[0].key;
    for (int i = 1; i < n; i++) smallest = std::min(smallest, items[i].key);
    uint64_t range = 0;
    for (int i = 0; i < n; i++) range |= items[i].key -= smallest;
    for (int shift = 0; shift < 64 && (range >> shift) != 0; shift += 8) {
        size_t start[257] = { 0 };
        for (int i = 0; i < n; i++) start[((items[i].key >> shift) & 255) + 1]++;
        for (int b = 1; b <= 256; b++) start[b] += start[b - 1];
        for (int i = 0; i < n; i++) spare[start[(items[i].key >> shift) & 255]++] = items[i];
        std::swap(items, spare);
    }
    return items;
}

// The sort's working memory: twice n items and n records. It is kept from one sort to the next (a
// report sorts three times) and grows with the table, like the table's own storage; with a million
// opponents, fresh blocks for every sort cost more in page faults than the sort itself.
static SortItem* scratchItems;
static OpponentRecord* scratchRecords;
static int scratchSize;

// Makes the scratch hold n. Returns 0 when out of memory (the scratch is then released).
static int fitScratch(int n)
{
    if (n <= scratchSize) return 1;
    free(scratchItems);
    free(scratchRecords);
    scratchItems = (SortItem*)malloc(2 * (size_t)n * sizeof *scratchItems);
    scratchRecords = (OpponentRecord*)malloc((size_t)n * sizeof *scratchRecords);
    scratchSize = scratchItems && scratchRecords ? n : 0;
    return scratchSize != 0;
}

// Sorts the n records by key. Returns 0 when out of memory (nothing moved). The records are
// gathered into a copy in their new order: the loads are independent of one another, so the
// processor overlaps their cache misses (walking the permutation's cycles in place does not).
static int sortByKey(OpponentKey key, int n)
{
    if (!fitScratch(n)) return 0;
    SortItem* items = scratchItems;
    for (int i = 0; i < n; i++) items[i] = { key(&opponentTable.records[i]), i };
    const SortItem* order = radixSort(items, items + n, n);
    for (int i = 0; i < n; i++) scratchRecords[i] = opponentTable.records[order[i].position];
    memcpy(opponentTable.records, scratchRecords, (size_t)n * sizeof *scratchRecords);
    return 1;
}

void sortOpponents(OpponentComparison compare)
{
    int n = opponentCount();
    if (n < 2) return;
    OpponentKey key = keyOf(compare);
    if (key && sortByKey(key, n)) return;
    std::stable_sort(opponentTable.records, opponentTable.records + n,
                     [compare](const OpponentRecord& a, const OpponentRecord& b) { return compare(&a, &b) < 0; });
}
