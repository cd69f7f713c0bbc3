#include "analysis/Intervals.h"

#include <gtest/gtest.h>
#include <vector>

static Moments momentsOf(const std::vector<double>& values)
{
    Moments moments = {};
    for (double value : values) addToMoments(&moments, value);
    return moments;
}

// Widths worked out by hand: t * s / sqrt(n), t the 97.5 % quantile of n - 1 degrees of freedom
// (12.7062 at 1, 4.30265 at 2, 2.26216 at 9); the interval kept within the ranks 1 to 4.
TEST(Intervals, MeanIntervalIsStudentsTWithinWhatIsPossible)
{
    struct Case { std::vector<double> values; double mean, width; int shown; double low, high; const char* rule; };
    const Case cases[] = {
        {{3}, 3.0, -1.0, 0, 0, 0, "one game: no width"},
        {{1, 4}, 2.5, 19.0593071, 0, 0, 0, "two games: t of 1 degree, and too few to show"},
        {{1, 1, 2}, 4.0 / 3.0, 1.4342176, 0, 0, 0, "three games: t of 2 degrees"},
        {{2, 2, 2, 2}, 2.0, 0.0, 0, 0, 0, "no spread: width 0"},
        {{1, 2, 3, 4, 1, 2, 3, 4, 1, 2}, 2.3, 0.8294576, 1, 1.4705424, 3.1294576, "ten games: shown"},
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 4}, 1.3, 0.6786471, 1, 1.0, 1.9786471, "clipped at rank 1"},
        {{9, 9, 9, 9, 9, 9, 9, 9, 9, 9}, 9.0, 0.0, 1, 4.0, 4.0, "impossible ranks: both edges at the last place"},
        {{1e9 + 1, 1e9 + 3}, 1e9 + 2, 12.7062047, 0, 0, 0, "large values lose no digits"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        Moments moments = momentsOf(c.values);
        EXPECT_NEAR(moments.mean, c.mean, 1e-9);
        EXPECT_NEAR(meanWidth(&moments), c.width, 1e-6);
        double low = 0, high = 0;
        EXPECT_EQ(meanInterval(&moments, 1.0, 4.0, &low, &high), c.shown);
        EXPECT_NEAR(low, c.low, 1e-6);
        EXPECT_NEAR(high, c.high, 1e-6);
    }
}

TEST(Intervals, WilsonIntervalStaysWithinZeroAndHundred)
{
    struct Case { int hits, trials; double low, high; const char* rule; };
    const Case cases[] = {
        {0, 10, 0.0, 27.754017 /* z²/n / (1 + z²/n) */, "0 %: the lower edge is exactly 0"},
        {10, 10, 72.245983, 100.0, "100 %: the upper edge is exactly 100"},
        {1, 1, 20.654329, 100.0, "a single game"},
        {5, 10, 23.658959, 76.341041, "half: symmetric around 50"},
        {25, 100, 17.545094, 34.304646, "25 of 100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        double low = -1, high = -1;
        wilsonInterval(c.hits, c.trials, &low, &high);
        EXPECT_NEAR(low, c.low, 1e-5);
        EXPECT_NEAR(high, c.high, 1e-5);
        EXPECT_GE(low, 0.0);
        EXPECT_LE(high, 100.0);
    }
}
