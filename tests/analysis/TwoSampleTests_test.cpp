#include "analysis/TwoSampleTests.h"

#include "analysis/Intervals.h"

#include <gtest/gtest.h>
#include <vector>

static Moments momentsOf(const std::vector<double>& values)
{
    Moments moments = {};
    for (double value : values) addToMoments(&moments, value);
    return moments;
}

// p-values worked out independently (the incomplete beta function, exact fractions).
TEST(TwoSampleTests, WelchAndFisherAgainstHandWorkedValues)
{
    struct Mean { std::vector<double> a, b; double p; const char* rule; };
    const Mean means[] = {
        {{1, 2, 3, 4, 1, 2, 3, 4, 1, 2}, {1, 1, 2, 1, 2, 1, 1, 3, 1, 2, 1, 1}, 0.0514799023, "t 2.1318, df 13.81"},
        {{2, 2}, {2, 2, 2}, 1.0, "no spread, equal means"},
        {{1, 1}, {4, 4, 4}, 0.0, "no spread, different means"},
    };
    for (const Mean& m : means) {
        SCOPED_TRACE(m.rule);
        Moments a = momentsOf(m.a), b = momentsOf(m.b);
        EXPECT_NEAR(welchPValue(&a, &b), m.p, 1e-9);
    }
    struct Rate { int hits1, n1, hits2, n2; double p; const char* rule; };
    const Rate rates[] = {
        {0, 10, 3, 10, 0.2105263158, "lasts 0 of 10 against 3 of 10: nothing to tell"},
        {30, 100, 15, 100, 0.0171490228, "30 % against 15 % of 100"},
        {5, 50, 5, 50, 1.0, "equal rates"},
    };
    for (const Rate& r : rates) {
        SCOPED_TRACE(r.rule);
        EXPECT_NEAR(fisherPValue(r.hits1, r.n1, r.hits2, r.n2), r.p, 1e-9);
    }
}
