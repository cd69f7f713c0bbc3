#ifndef VORNIX_OPPONENTORDER_H
#define VORNIX_OPPONENTORDER_H
// The three orders in which the report shows the opponent table, in one table: each row orders stably
// from the order the row before left (the first from the order first met). The report writes the
// per-opponent table through the first row's order and picks the lists of every row; the choice of
// the page's opponents reads the same rows. Nothing moves a record.

#include "report/OpponentSections.h"

#include <stdint.h>

struct OpponentRecord;

// Below 0 when a goes before b, above 0 when b goes before a, 0 when their keys are equal.
typedef int (*OpponentComparison)(const OpponentRecord* a, const OpponentRecord* b);

// Most games together first.
int compareByGames(const OpponentRecord* a, const OpponentRecord* b);

// Highest money balance first; balances are compared exactly.
int compareByBalance(const OpponentRecord* a, const OpponentRecord* b);

// Largest margin (above minus below) first.
int compareByMargin(const OpponentRecord* a, const OpponentRecord* b);

// The orders in the sequence the report sorts them.
enum OpponentOrderKind { ORDER_BY_GAMES, ORDER_BY_BALANCE, ORDER_BY_MARGIN, OPPONENT_ORDER_COUNT };

// One order: its comparison and how many records of it the report shows.
struct OpponentOrder {
    OpponentComparison compare;
    int shownFirst;               // records shown from the front (the most played, the top 20)
    int shownLast;                // records shown from the end, last first (the worst 20), or 0
};

extern const OpponentOrder opponentOrders[OPPONENT_ORDER_COUNT];

// 1 when the record at position a goes before the one at b in the order `kind` as the report has the
// table after sorting by the rows up to it: ties fall to the rows before it, then to the positions
// (the order first met). Reads run.opponentTable, moves nothing.
int opponentGoesBefore(int kind, int a, int b);

// The first `wanted` records (at most MOST_PLAYED_COLUMN_ROWS * 2) of the order `kind` as
// opponentGoesBefore has it, or from its end, last first, when fromEnd: their positions in the order
// shown, in chosen. Returns how many there are (fewer when the table holds fewer). One pass over the
// table, moving nothing: a ranking of 20 needs no sort of the whole table.
int pickOpponents(int kind, int wanted, int fromEnd, int* chosen);

// The lists the report shows of each order: its first shownFirst records and its last shownLast, last
// first (as pickOpponents picks them), positions in chosen[kind][fromEnd], how many in count.
struct OpponentPicks {
    int count[OPPONENT_ORDER_COUNT][2];
    int chosen[OPPONENT_ORDER_COUNT][2][MOST_PLAYED_COLUMN_ROWS * 2];
};

// Picks every list of picks in one pass over the table, moving nothing.
void pickShownOpponents(OpponentPicks* picks);

// The records in use in games order without moving one: their positions in that order, valid until
// the next sort. Made once the log is read: it may use the opponent index's storage. NULL when the
// table is in that order already, having been sorted in place where the order could not be made so
// (short of memory).
const uint32_t* orderOpponentsByGames(void);

// Sorts the records in use of run.opponentTable in place by compare. Stable: records with equal keys
// keep the order the previous sort (or the order first met) left them in.
void sortOpponents(OpponentComparison compare);

#endif
