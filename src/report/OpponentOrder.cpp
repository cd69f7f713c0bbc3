#include "report/OpponentOrder.h"

#include "analysis/OpponentTable.h"
#include "analysis/RunState.h"
#include "report/OpponentSections.h"

#include <algorithm>
#include <assert.h>
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

const OpponentOrder opponentOrders[OPPONENT_ORDER_COUNT] = {
    { compareByGames, MOST_PLAYED_COLUMN_ROWS * 2, 0 },
    { compareByBalance, RANKING_ROWS, RANKING_ROWS },
    { compareByMargin, RANKING_ROWS, RANKING_ROWS },
};

int opponentGoesBefore(int kind, int a, int b)
{
    const OpponentRecord* records = run.opponentTable.records;
    for (int k = kind; k >= 0; k--) {
        int order = opponentOrders[k].compare(&records[a], &records[b]);
        if (order) return order < 0;
    }
    return a < b;
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

// A list being picked: the first `wanted` records of the order `kind` (from its end, last first, when
// fromEnd), with their sort keys.
struct PickList {
    int kind;
    int wanted;
    int fromEnd;
    int count;
    int* chosen;
    uint64_t keys[MOST_PLAYED_COLUMN_ROWS * 2];
};

static void startPick(PickList* list, int kind, int wanted, int fromEnd, int* chosen)
{
    assert(wanted >= 0 && wanted <= MOST_PLAYED_COLUMN_ROWS * 2);
    list->kind = kind;
    list->wanted = wanted;
    list->fromEnd = fromEnd;
    list->count = 0;
    list->chosen = chosen;
}

// Offers the list (wanting one record at least) record i, of sort key `key`: once the list is full, a
// record whose key says it goes after the last one chosen (before it, from the end) is passed over by
// that test alone; the others are placed by the comparisons, ties included.
static inline void offerRecord(PickList* list, int i, uint64_t key)
{
    int wanted = list->wanted;
    if (list->count == wanted && (list->fromEnd ? key < list->keys[wanted - 1] : key > list->keys[wanted - 1]))
        return;
    int* chosen = list->chosen;
    int p = list->count;
    // fromEnd: a record goes first when the order puts it after the other.
    while (p > 0 && (list->fromEnd ? opponentGoesBefore(list->kind, chosen[p - 1], i)
                                   : opponentGoesBefore(list->kind, i, chosen[p - 1]))) p--;
    if (p >= wanted) return;
    int last = list->count < wanted ? list->count : wanted - 1;
    for (int q = last; q > p; q--) {
        chosen[q] = chosen[q - 1];
        list->keys[q] = list->keys[q - 1];
    }
    chosen[p] = i;
    list->keys[p] = key;
    if (list->count < wanted) list->count++;
}

// pickOpponents for the order whose sort key is Key.
template <uint64_t (*Key)(const OpponentRecord*)>
static int pickByKey(PickList* list)
{
    const OpponentRecord* records = run.opponentTable.records;
    int n = opponentCount(&run.opponentTable);
    for (int i = 0; i < n; i++) offerRecord(list, i, Key(&records[i]));
    return list->count;
}

int pickOpponents(int kind, int wanted, int fromEnd, int* chosen)
{
    if (wanted <= 0) return 0;
    PickList list;
    startPick(&list, kind, wanted, fromEnd, chosen);
    OpponentKey key = keyOf(opponentOrders[kind].compare);
    if (key == gamesKey) return pickByKey<gamesKey>(&list);
    if (key == balanceKey) return pickByKey<balanceKey>(&list);
    assert(key == marginKey);
    return pickByKey<marginKey>(&list);
}

// The key past which a record cannot enter the list: the last chosen one's once the list is full.
// A record may enter from the first when its key is at most the limit, from the end when it is at
// least the limit; until the list is full every record may (a list wanting none is never offered one).
static uint64_t entryLimit(const PickList* list)
{
    if (list->wanted <= 0 || list->count < list->wanted) return list->fromEnd ? 0 : UINT64_MAX;
    return list->keys[list->wanted - 1];
}

// Every list in one pass: a million records are read once, not five times. Once the lists are full
// nearly every record is passed over, so that test comes first, for all lists at once, each list's
// limit kept beside the keys (the lists themselves live in memory the comparisons reach by pointer).
void pickShownOpponents(OpponentPicks* picks)
{
    static_assert(ORDER_BY_GAMES == 0 && ORDER_BY_BALANCE == 1 && ORDER_BY_MARGIN == 2, "keys[kind] below");
    enum { LISTS = OPPONENT_ORDER_COUNT * 2 };   // list b: kind b / 2, from the end when b is odd
    PickList lists[LISTS];
    uint64_t limit[LISTS];
    unsigned shown = 0;
    for (int b = 0; b < LISTS; b++) {
        int kind = b / 2, fromEnd = b % 2;
        int wanted = fromEnd ? opponentOrders[kind].shownLast : opponentOrders[kind].shownFirst;
        startPick(&lists[b], kind, wanted, fromEnd, picks->chosen[kind][fromEnd]);
        limit[b] = entryLimit(&lists[b]);
        if (wanted > 0) shown |= 1u << b;
    }
    const OpponentRecord* records = run.opponentTable.records;
    int n = opponentCount(&run.opponentTable);
    for (int i = 0; i < n; i++) {
        const uint64_t keys[OPPONENT_ORDER_COUNT] = { gamesKey(&records[i]), balanceKey(&records[i]),
                                                      marginKey(&records[i]) };
        unsigned mayEnter = shown & ((unsigned)(keys[0] <= limit[0]) | (unsigned)(keys[0] >= limit[1]) << 1 |
                                     (unsigned)(keys[1] <= limit[2]) << 2 | (unsigned)(keys[1] >= limit[3]) << 3 |
                                     (unsigned)(keys[2] <= limit[4]) << 4 | (unsigned)(keys[2] >= limit[5]) << 5);
        if (!mayEnter) continue;
        for (int b = 0; b < LISTS; b++)
            if (mayEnter & (1u << b)) {
                offerRecord(&lists[b], i, keys[b / 2]);
                limit[b] = entryLimit(&lists[b]);
            }
    }
    for (int b = 0; b < LISTS; b++) picks->count[b / 2][b % 2] = lists[b].count;
}

// A record's place in the sort: its key made relative to the smallest key, in the high 32 bits, and
// its position before the sort in the low 32 bits.
typedef uint64_t SortItem;

// Stable least-significant-digit radix sort of n items by their high 32 bits, 11 bits per pass; the
// passes above the highest key stop early. Items with equal keys keep their order, which is that of
// the positions. spare is as large as items; returns the one of the two that holds the result.
static SortItem* radixSort(SortItem* items, SortItem* spare, int n, uint32_t largestKey)
{
    enum { DIGIT_BITS = 11, BUCKETS = 1 << DIGIT_BITS };
    static size_t start[BUCKETS + 1];
    for (int shift = 32; shift < 64 && (largestKey >> (shift - 32)) != 0; shift += DIGIT_BITS) {
        memset(start, 0, sizeof start);
        for (int i = 0; i < n; i++) start[((items[i] >> shift) & (BUCKETS - 1)) + 1]++;
        for (int b = 1; b <= BUCKETS; b++) start[b] += start[b - 1];
        for (int i = 0; i < n; i++) spare[start[(items[i] >> shift) & (BUCKETS - 1)]++] = items[i];
        std::swap(items, spare);
    }
    return items;
}

// The sort's items for the table's capacity, twice. They are kept from one sort to the next (a report
// sorts three times) and grow with the table.
static SortItem* scratchItems;
static int scratchCapacity;

// Makes the items as many as the table's storage holds records. Returns 0 when out of memory (the
// items are then released).
static int fitScratch(void)
{
    int capacity = run.opponentTable.capacity;
    if (capacity <= scratchCapacity) return 1;
    free(scratchItems);
    scratchItems = (SortItem*)malloc(2 * (size_t)capacity * sizeof *scratchItems);
    scratchCapacity = scratchItems ? capacity : 0;
    return scratchCapacity != 0;
}

// The n records' items ordered by key (the positions in the low 32 bits), in the sort's scratch
// memory; NULL when out of memory or when the keys span more than 32 bits (only absurd counts do).
static const SortItem* keyOrder(OpponentKey key, int n)
{
    if (!fitScratch()) return NULL;
    SortItem* items = scratchItems;
    uint64_t smallest = UINT64_MAX, largest = 0;
    for (int i = 0; i < n; i++) {
        items[i] = key(&run.opponentTable.records[i]);
        smallest = std::min(smallest, items[i]);
        largest = std::max(largest, items[i]);
    }
    if (largest - smallest > UINT32_MAX) return NULL;
    for (int i = 0; i < n; i++) items[i] = (items[i] - smallest) << 32 | (uint32_t)i;
    return radixSort(items, items + n, n, (uint32_t)(largest - smallest));
}

// Sorts the n records by key. Returns 0, having moved nothing, when keyOrder can't order them; the
// caller then sorts by the comparison. The table moves the records into their new order itself.
static int sortByKey(OpponentKey key, int n)
{
    const SortItem* order = keyOrder(key, n);
    return order && reorderOpponents(&run.opponentTable, order);
}

// Games order by counting, in the opponent index's storage (at least 12 bytes a record, the log
// being read): the records' games copied out in one pass over them, counted, and each position placed
// after those of more games and those of as many games met before it. NULL when the counts don't fit
// beside the positions and the games (an opponent of more games than the index holds slots).
static const uint32_t* countedGamesOrder(int n)
{
    size_t bytes;
    uint32_t* positions = (uint32_t*)lendIndexStorage(&run.opponentTable, &bytes);
    if (!positions || bytes / sizeof *positions < 3 * (size_t)n) return NULL;
    uint32_t* games = positions + n;
    uint32_t* start = games + n;
    size_t room = bytes / sizeof *positions - 2 * (size_t)n;   // counts that fit
    const OpponentRecord* records = run.opponentTable.records;
    uint32_t most = 0;
    for (int i = 0; i < n; i++) {
        if (records[i].games < 0) return NULL;
        games[i] = (uint32_t)records[i].games;
        most = std::max(most, games[i]);
    }
    if (most >= room) return NULL;
    memset(start, 0, ((size_t)most + 1) * sizeof *start);
    for (int i = 0; i < n; i++) start[games[i]]++;
    uint32_t at = 0;
    for (uint32_t g = most + 1; g-- > 0;) {
        uint32_t count = start[g];
        start[g] = at;
        at += count;
    }
    for (int i = 0; i < n; i++) positions[start[games[i]]++] = (uint32_t)i;
    return positions;
}

// The same by the sort key, the positions taken out of the sorted items into the other half of the
// sort's scratch memory.
static const uint32_t* sortedGamesOrder(int n)
{
    const SortItem* items = keyOrder(gamesKey, n);
    if (!items) return NULL;
    uint32_t* positions = (uint32_t*)(items == scratchItems ? scratchItems + n : scratchItems);
    for (int i = 0; i < n; i++) positions[i] = (uint32_t)items[i];
    return positions;
}

const uint32_t* orderOpponentsByGames(void)
{
    int n = opponentCount(&run.opponentTable);
    if (n < 2) return NULL;
    const uint32_t* order = countedGamesOrder(n);
    if (!order) order = sortedGamesOrder(n);
    if (!order) sortOpponents(compareByGames);
    return order;
}

void sortOpponents(OpponentComparison compare)
{
    int n = opponentCount(&run.opponentTable);
    if (n < 2) return;
    OpponentKey key = keyOf(compare);
    if (key && sortByKey(key, n)) return;
    std::stable_sort(run.opponentTable.records, run.opponentTable.records + n,
                     [compare](const OpponentRecord& a, const OpponentRecord& b) { return compare(&a, &b) < 0; });
}
