#include "analysis/TrendSeries.h"

#include "analysis/RunState.h"

#include <gtest/gtest.h>
#include <vector>

// However many games are added, the buckets stay within TREND_POINTS, every full bucket ends at a
// multiple of the span, and every point holds exactly the balance and moving averages of its game.
TEST(TrendSeries, BucketsMergeAndKeepTheValuesAtTheirEnds)
{
    struct Case {
        int games;
        int span;    // expected games per bucket
        int count;   // expected buckets
        const char* rule;
    };
    const Case cases[] = {
        {1, 1, 1, "a single game"},
        {19, 1, 19, "fewer games than the short average's window"},
        {1000, 1, 1000, "every bucket full, not yet merged"},
        {1001, 2, 501, "the 1001st game merges the buckets into pairs"},
        {2001, 4, 501, "a second merge"},
        {600000, 1024, 586, "a long log: the last bucket partly filled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        clearTrendSeries(&run.trendSeries);
        // Money and ranks that wander: the sums up to each game are the expectations.
        std::vector<double> balance(c.games + 1, 0.0);
        std::vector<long long> rankSum(c.games + 1, 0);
        for (int n = 1; n <= c.games; n++) {
            double money = (double)(n * 7919LL % 2001) - 1000.5;
            int rank = n * 31 % 5;   // 0 to 4: an odd rank now and then
            addGameToTrendSeries(&run.trendSeries, rank, money);
            balance[n] = balance[n - 1] + money;
            rankSum[n] = rankSum[n - 1] + rank;
        }
        ASSERT_EQ(run.trendSeries.span, c.span);
        ASSERT_EQ(run.trendSeries.count, c.count);
        EXPECT_EQ(run.trendSeries.points[c.count - 1].game, c.games);
        EXPECT_EQ(run.trendSeries.points[c.count - 1].balance, balance[c.games]);
        for (int i = 0; i < c.count; i++) {
            const TrendPoint& point = run.trendSeries.points[i];
            int n = point.game;
            if (i < c.count - 1) {
                ASSERT_EQ(n, (i + 1) * c.span) << "bucket " << i;
            }
            int shortGames = n < 20 ? n : 20;
            int longGames = n < 100 ? n : 100;
            ASSERT_EQ(point.balance, balance[n]) << "game " << n;
            ASSERT_DOUBLE_EQ(point.shortRankAverage, (double)(rankSum[n] - rankSum[n - shortGames]) / shortGames);
            ASSERT_DOUBLE_EQ(point.longRankAverage, (double)(rankSum[n] - rankSum[n - longGames]) / longGames);
        }
    }
}
