#ifndef VORNIX_OPPONENTORDER_H
#define VORNIX_OPPONENTORDER_H
// The three orders in which the report shows the opponent table.

struct OpponentRecord;

// Below 0 when a goes before b, above 0 when b goes before a, 0 when their keys are equal.
typedef int (*OpponentComparison)(const OpponentRecord* a, const OpponentRecord* b);

// Most games together first.
int compareByGames(const OpponentRecord* a, const OpponentRecord* b);

// Highest money balance first; balances are compared exactly.
int compareByBalance(const OpponentRecord* a, const OpponentRecord* b);

// Largest margin (above minus below) first.
int compareByMargin(const OpponentRecord* a, const OpponentRecord* b);

// Sorts the records in use of run.opponentTable in place by compare. Stable: records with equal keys
// keep the order the previous sort (or the order first met) left them in.
void sortOpponents(OpponentComparison compare);

#endif
