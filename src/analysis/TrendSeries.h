#ifndef VORNIX_TRENDSERIES_H
#define VORNIX_TRENDSERIES_H
// The player's progress over the run's games for the report's charts: the running money balance and
// the moving averages of the rank over the last 20 and 100 games. The games fall into at most
// TREND_POINTS buckets of equal span; when they are all full, neighbours merge pairwise and the span
// doubles, so a log of any length costs the same memory. Fed only while settings.trendCharts is on:
// the run's keeps every game, and one series per kind of game the ranks of that kind's games.

enum {
    TREND_POINTS = 1000,       // buckets kept, an even number
    SHORT_RANK_WINDOW = 20,    // games of the short moving average
    LONG_RANK_WINDOW = 100     // games of the long one, and the ring of ranks
};

// The state at the last game of a bucket: what the charts draw at that game number.
struct TrendPoint {
    int game;                // number of the bucket's last game so far, 1 to games
    double balance;          // the running balance after it
    double shortRankAverage; // mean rank of the last 20 games up to it (of all of them before the 20th)
    double longRankAverage;  // the same over the last 100
};

struct TrendSeries {
    TrendPoint points[TREND_POINTS];   // one per bucket, in game order
    int count;                         // buckets in use
    int span;                          // games per bucket: 1, 2, 4, ...; only the last may hold fewer
    int games;                         // games added
    double balance;                    // the player's money over all games added
    int ranks[LONG_RANK_WINDOW];       // the last 100 ranks, game n at slot (n - 1) % 100
    long long shortRankSum;            // sum of the last min(games, 20) ranks
    long long longRankSum;             // sum of the last min(games, 100) ranks
};

// Empties the series (no game, span 1).
void clearTrendSeries(TrendSeries* series);

// Adds the next game: the player's rank and money. The last bucket then ends at this game.
void addGameToTrendSeries(TrendSeries* series, int rank, double money);

#endif
