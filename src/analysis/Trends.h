#ifndef VORNIX_TRENDS_H
#define VORNIX_TRENDS_H
// What the progress option adds to a run: while settings.trendCharts is 1, each accepted game goes
// into the monthly summary and the chart series as well. Every run clears both at its start.

// Empties the monthly summary and the chart series.
void clearTrends(void);

// Adds the accepted game being parsed: its date text (the per-game table's date), rate, and
// run.seatCount ranks and scores in seat order, with the player at run.playerSeat. The player's money
// is the sum of the game's money shares, added in double.
void addGameToTrends(const char* date, int rate, const int* ranks, const int* scores);

#endif
