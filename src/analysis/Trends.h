#ifndef VORNIX_TRENDS_H
#define VORNIX_TRENDS_H
// What the progress option adds to a run: while settings.trendCharts is 1, each accepted game goes
// into the monthly summary and the chart series (the run's and its kind's) as well. Every run clears
// them at its start.

struct GameEntry;

// Empties the monthly summary and the chart series.
void clearTrends(void);

// Adds an accepted game to both, when settings.trendCharts is 1 (else nothing happens): its date text
// (the per-game table's date), the player's rank and score, and the player's money: the sum of the
// game's money shares, added in double.
void addGameToTrends(const GameEntry* game);

#endif
