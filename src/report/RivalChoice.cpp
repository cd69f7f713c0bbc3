#include "report/RivalChoice.h"

#include "analysis/OpponentTable.h"
#include "analysis/RivalGames.h"
#include "analysis/RunState.h"
#include "report/OpponentOrder.h"
#include "report/OpponentSections.h"

#include <assert.h>

static const OpponentRecord* recordAt(int i) { return &run.opponentTable.records[i]; }

// The first `wanted` records of the order (from its end when fromEnd), in the order shown, added to
// the rivals.
static void addFirst(int kind, int wanted, int fromEnd)
{
    int chosen[MOST_PLAYED_COLUMN_ROWS * 2];
    assert(wanted <= (int)(sizeof chosen / sizeof *chosen));
    int count = 0;
    int n = opponentCount(&run.opponentTable);
    for (int i = 0; i < n; i++) {
        int p = count;
        // fromEnd: a record goes first when the order puts it after the other.
        while (p > 0 && (fromEnd ? opponentGoesBefore(kind, chosen[p - 1], i)
                                   : opponentGoesBefore(kind, i, chosen[p - 1]))) p--;
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
    for (int kind = 0; kind < OPPONENT_ORDER_COUNT; kind++) {
        addFirst(kind, opponentOrders[kind].shownFirst, 0);
        if (opponentOrders[kind].shownLast) addFirst(kind, opponentOrders[kind].shownLast, 1);
    }
    return run.rivalGames.count;
}
