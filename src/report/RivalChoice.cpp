#include "report/RivalChoice.h"

#include "analysis/OpponentTable.h"
#include "analysis/RivalGames.h"
#include "analysis/RunState.h"
#include "report/OpponentOrder.h"
#include "report/OpponentSections.h"

static const OpponentRecord* recordAt(int i) { return &run.opponentTable.records[i]; }

int chooseRivals(void)
{
    clearRivalGames(&run.rivalGames);
    OpponentPicks picks;
    pickShownOpponents(&picks);
    for (int kind = 0; kind < OPPONENT_ORDER_COUNT; kind++)
        for (int fromEnd = 0; fromEnd < 2; fromEnd++)
            for (int i = 0; i < picks.count[kind][fromEnd]; i++) {
                int chosen = picks.chosen[kind][fromEnd][i];
                addRival(&run.rivalGames, recordAt(chosen), chosen);
            }
    return run.rivalGames.count;
}
