#ifndef VORNIX_CONDITIONCONTRASTS_H
#define VORNIX_CONDITIONCONTRASTS_H
// Which rows of the table by condition stand out: a row's average rank against the other games of
// its group (the other lobbies, rates, time bands, ...), with Holm's correction over every row of the
// table, so that a player whose level depends on no condition sees a mark in at most 5 % of tables.

#include "analysis/Intervals.h"

// One row of the table by condition.
struct ContrastRow {
    Moments rank;   // of the row's games
    int group;      // rows of one group are consecutive and share it
    int mark;       // set by markContrasts: -1 a lower (better) average rank, 1 higher, 0 none
};

// Sets the marks of the count rows: Welch's t of each row against its group's other games, when both
// have at least MIN_INTERVAL_GAMES games; Holm at 5 % over the rows tested. scratch holds 2 * count
// values.
void markContrasts(ContrastRow* rows, int count, double* scratch);

#endif
