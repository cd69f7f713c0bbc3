#ifndef VORNIX_TRENDS_H
#define VORNIX_TRENDS_H
// What the progress option adds to a run: each accepted game goes into the monthly summary and the
// chart series (the run's and its kind's) as well. The run feeds them only while the option is on and
// clears them at its start.

#include "analysis/GameKind.h"

struct GameEntry;
struct MonthlySummary;
struct TrendSeries;

// Empties the monthly summary, the series of every game and the series of each kind.
void clearTrends(MonthlySummary* months, TrendSeries* series, TrendSeries kindSeries[GAME_KINDS]);

// Adds an accepted game to all of them: its date text (the per-game table's date), the player's rank
// and score, and the player's money: the sum of the game's money shares, added in double.
void addGameToTrends(MonthlySummary* months, TrendSeries* series, TrendSeries kindSeries[GAME_KINDS],
                     const GameEntry* game);

#endif
