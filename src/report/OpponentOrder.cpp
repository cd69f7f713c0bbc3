#include "report/OpponentOrder.h"

#include "analysis/OpponentTable.h"

#include <algorithm>

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

void sortOpponents(OpponentComparison compare)
{
    int n = opponentCount();
    if (n < 2) return;
    std::stable_sort(opponentTable.records, opponentTable.records + n,
                     [compare](const OpponentRecord& a, const OpponentRecord& b) { return compare(&a, &b) < 0; });
}
