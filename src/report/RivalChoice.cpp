#include "report/RivalChoice.h"

#include "analysis/OpponentTable.h"
#include "analysis/RivalGames.h"
#include "analysis/RunState.h"
#include "report/OpponentSections.h"

// The report sorts stably three times, each from the order the last left: by games from the order
// first met, by balance from that, by margin from that. So each of its orders is one comparison of
// the keys in turn, ending with the position first met; the lists are picked without moving a record.
typedef int (*GoesBefore)(int a, int b);

static const OpponentRecord* recordAt(int i) { return &run.opponentTable.records[i]; }

static int byGames(int a, int b)
{
    if (recordAt(a)->games != recordAt(b)->games) return recordAt(a)->games > recordAt(b)->games;
    return a < b;
}

static int byBalance(int a, int b)
{
    float x = recordAt(a)->balance, y = recordAt(b)->balance;
    if (x > y) return 1;
    if (x < y) return 0;
    return byGames(a, b);
}

static long long marginOf(int i) { return (long long)recordAt(i)->above - recordAt(i)->below; }

static int byMargin(int a, int b)
{
    if (marginOf(a) != marginOf(b)) return marginOf(a) > marginOf(b);
    return byBalance(a, b);
}

// The first `wanted` records of the order (from its end when fromEnd), in the order shown, added to
// the rivals.
static void addFirst(GoesBefore before, int wanted, int fromEnd)
{
    int chosen[MOST_PLAYED_COLUMN_ROWS * 2];
    int count = 0;
    int n = opponentCount(&run.opponentTable);
    for (int i = 0; i < n; i++) {
        int p = count;
        // fromEnd: a record goes first when the order puts it after the other.
        while (p > 0 && (fromEnd ? before(chosen[p - 1], i) : before(i, chosen[p - 1]))) p--;
        if (p >= wanted) continue;
        int last = count < wanted ? count : wanted - 1;
        for (int q = last; q > p; q--) chosen[q] = chosen[q - 1];
        chosen[p] = i;
        if (count < wanted) count++;
    }
    for (int i = 0; i < count; i++) addRival(&run.rivalGames, recordAt(chosen[i]));
}

int chooseRivals(void)
{
    clearRivalGames(&run.rivalGames);
    addFirst(byGames, MOST_PLAYED_COLUMN_ROWS * 2, 0);
    addFirst(byBalance, RANKING_ROWS, 0);
    addFirst(byBalance, RANKING_ROWS, 1);
    addFirst(byMargin, RANKING_ROWS, 0);
    addFirst(byMargin, RANKING_ROWS, 1);
    return run.rivalGames.count;
}
