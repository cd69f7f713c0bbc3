#include "analysis/TrendSeries.h"

#include "analysis/RunState.h"

void clearTrendSeries(void)
{
    run.trendSeries.count = 0;
    run.trendSeries.span = 1;
    run.trendSeries.games = 0;
    run.trendSeries.balance = 0.0;
    run.trendSeries.shortRankSum = 0;
    run.trendSeries.longRankSum = 0;
}

// Pushes the rank of game n (counted from 1) into the ring and both moving sums.
static void rememberRank(int n, int rank)
{
    int slot = (n - 1) % LONG_RANK_WINDOW;
    if (n > LONG_RANK_WINDOW) run.trendSeries.longRankSum -= run.trendSeries.ranks[slot];
    if (n > SHORT_RANK_WINDOW)
        run.trendSeries.shortRankSum -= run.trendSeries.ranks[(n - 1 - SHORT_RANK_WINDOW) % LONG_RANK_WINDOW];
    run.trendSeries.ranks[slot] = rank;
    run.trendSeries.shortRankSum += rank;
    run.trendSeries.longRankSum += rank;
}

// Every bucket is full: each pair becomes one bucket that ends where its second half ended.
static void mergeBuckets(void)
{
    for (int i = 0; i < TREND_POINTS / 2; i++) run.trendSeries.points[i] = run.trendSeries.points[2 * i + 1];
    run.trendSeries.count = TREND_POINTS / 2;
    run.trendSeries.span *= 2;
}

void addGameToTrendSeries(int rank, double money)
{
    int n = ++run.trendSeries.games;
    run.trendSeries.balance += money;
    rememberRank(n, rank);
    int bucket = (n - 1) / run.trendSeries.span;
    if (bucket >= run.trendSeries.count) {
        if (run.trendSeries.count == TREND_POINTS) mergeBuckets();
        bucket = run.trendSeries.count++;
    }
    TrendPoint* point = &run.trendSeries.points[bucket];
    int shortGames = n < SHORT_RANK_WINDOW ? n : SHORT_RANK_WINDOW;
    int longGames = n < LONG_RANK_WINDOW ? n : LONG_RANK_WINDOW;
    point->game = n;
    point->balance = run.trendSeries.balance;
    point->shortRankAverage = (double)run.trendSeries.shortRankSum / shortGames;
    point->longRankAverage = (double)run.trendSeries.longRankSum / longGames;
}
