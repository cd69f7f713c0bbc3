#include "analysis/TrendSeries.h"

void clearTrendSeries(void)
{
    trendSeries.count = 0;
    trendSeries.span = 1;
    trendSeries.games = 0;
    trendSeries.balance = 0.0;
    trendSeries.shortRankSum = 0;
    trendSeries.longRankSum = 0;
}

// Pushes the rank of game n (counted from 1) into the ring and both moving sums.
static void rememberRank(int n, int rank)
{
    int slot = (n - 1) % LONG_RANK_WINDOW;
    if (n > LONG_RANK_WINDOW) trendSeries.longRankSum -= trendSeries.ranks[slot];
    if (n > SHORT_RANK_WINDOW)
        trendSeries.shortRankSum -= trendSeries.ranks[(n - 1 - SHORT_RANK_WINDOW) % LONG_RANK_WINDOW];
    trendSeries.ranks[slot] = rank;
    trendSeries.shortRankSum += rank;
    trendSeries.longRankSum += rank;
}

// Every bucket is full: each pair becomes one bucket that ends where its second half ended.
static void mergeBuckets(void)
{
    for (int i = 0; i < TREND_POINTS / 2; i++) trendSeries.points[i] = trendSeries.points[2 * i + 1];
    trendSeries.count = TREND_POINTS / 2;
    trendSeries.span *= 2;
}

void addGameToTrendSeries(int rank, double money)
{
    int n = ++trendSeries.games;
    trendSeries.balance += money;
    rememberRank(n, rank);
    int bucket = (n - 1) / trendSeries.span;
    if (bucket >= trendSeries.count) {
        if (trendSeries.count == TREND_POINTS) mergeBuckets();
        bucket = trendSeries.count++;
    }
    TrendPoint* point = &trendSeries.points[bucket];
    int shortGames = n < SHORT_RANK_WINDOW ? n : SHORT_RANK_WINDOW;
    int longGames = n < LONG_RANK_WINDOW ? n : LONG_RANK_WINDOW;
    point->game = n;
    point->balance = trendSeries.balance;
    point->shortRankAverage = (double)trendSeries.shortRankSum / shortGames;
    point->longRankAverage = (double)trendSeries.longRankSum / longGames;
}
