#include "report/RivalChoice.h"

#include "analysis/OpponentTable.h"
#include "analysis/RivalGames.h"
#include "analysis/RunState.h"
#include "report/OpponentOrder.h"
#include "report/OpponentSections.h"

static const OpponentRecord* recordAt(int i) { return &run.opponentTable.records[i]; }

// The first `wanted` records of the order (from its end when fromEnd), in the order shown, added to
// the rivals.
static void addFirst(int kind, int wanted, int fromEnd)
{
    int chosen[MOST_PLAYED_COLUMN_ROWS * 2];
    int count = pickOpponents(kind, wanted, fromEnd, chosen);
    for (int i = 0; i < count; i++) addRival(&run.rivalGames, recordAt(chosen[i]), chosen[i]);
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
