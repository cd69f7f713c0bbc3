#include "analysis/TrendSeries.h"

void clearTrendSeries(TrendSeries* series)
{
    series->count = 0;
    series->span = 1;
    series->games = 0;
    series->balance = 0.0;
    series->shortRankSum = 0;
    series->longRankSum = 0;
}

// Pushes the rank of game n (counted from 1) into the ring and both moving sums.
static void rememberRank(TrendSeries* series, int n, int rank)
{
    int slot = (n - 1) % LONG_RANK_WINDOW;
    if (n > LONG_RANK_WINDOW) series->longRankSum -= series->ranks[slot];
    if (n > SHORT_RANK_WINDOW)
        series->shortRankSum -= series->ranks[(n - 1 - SHORT_RANK_WINDOW) % LONG_RANK_WINDOW];
    series->ranks[slot] = rank;
    series->shortRankSum += rank;
    series->longRankSum += rank;
}

// Every bucket is full: each pair becomes one bucket that ends where its second half ended.
static void mergeBuckets(TrendSeries* series)
{
    for (int i = 0; i < TREND_POINTS / 2; i++) series->points[i] = series->points[2 * i + 1];
    series->count = TREND_POINTS / 2;
    series->span *= 2;
}

void addGameToTrendSeries(TrendSeries* series, int rank, double money)
{
    int n = ++series->games;
    series->balance += money;
    rememberRank(series, n, rank);
    int bucket = (n - 1) / series->span;
    if (bucket >= series->count) {
        if (series->count == TREND_POINTS) mergeBuckets(series);
        bucket = series->count++;
    }
    TrendPoint* point = &series->points[bucket];
    int shortGames = n < SHORT_RANK_WINDOW ? n : SHORT_RANK_WINDOW;
    int longGames = n < LONG_RANK_WINDOW ? n : LONG_RANK_WINDOW;
    point->game = n;
    point->balance = series->balance;
    point->shortRankAverage = (double)series->shortRankSum / shortGames;
    point->longRankAverage = (double)series->longRankSum / longGames;
}
