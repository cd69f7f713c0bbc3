#include "analysis/RecentForm.h"

#include <gtest/gtest.h>

TEST(RecentForm, LatestBlockIsHalfTheGamesWithinFiftyAndFiveHundred)
{
    const int cases[][2] = { {99, 0}, {100, 50}, {601, 300}, {1000, 500}, {5000, 500} };
    for (const auto& c : cases) EXPECT_EQ(latestBlockGames(c[0]), c[1]) << c[0] << " games";
}

// Holm over the five rows of a table: the smallest p-value is held to 0.01, the next to 0.0125, ...
TEST(RecentForm, VerdictsAreCorrectedOverTheFamilyAndFollowThePrintedDifference)
{
    struct Case { double p[5], difference[5]; int lower[5], verdicts[5]; const char* rule; };
    const Case cases[] = {
        {{0.009, 0.04, 0.04, 0.5, 0.6}, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {1, 0, 0, 0, 0},
         "0.04 fails at 0.0125: the step down ends"},
        {{0.011, 0.001, 0.3, 0.3, 0.3}, {1, -1, 1, 1, 1}, {0, 0, 0, 0, 0}, {1, -1, 0, 0, 0},
         "0.001 at 0.01, then 0.011 at 0.0125"},
        {{0.03, 0.5, 0.5, 0.5, 0.5}, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0},
         "p 0.03 alone is no finding among five"},
        {{0.0001, 0.5, 0.5, 0.5, 0.5}, {0, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0},
         "a printed difference of 0 gets no verdict"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        FormRow rows[5] = {};
        for (int i = 0; i < 5; i++) {
            rows[i].pValue = c.p[i];
            rows[i].difference = c.difference[i];
            rows[i].lowerIsBetter = c.lower[i];
        }
        decideFormRows(rows, 5);
        for (int i = 0; i < 5; i++) EXPECT_EQ(rows[i].verdict, c.verdicts[i]) << "row " << i;
    }
}

// The rows hold the values as printed, so the difference is the one a player computes from them.
TEST(RecentForm, RowsHoldThePrintedValues)
{
    FormBlock latest = {}, earlier = {};
    for (int i = 0; i < 10; i++) addToFormBlock(&latest, 2, 1, 0.0, 4);             // no last
    for (int i = 0; i < 10; i++) addToFormBlock(&earlier, i < 3 ? 4 : 2, 0, 0.0, 4);  // 3 lasts
    latest.rank.mean = 1.704999;   // prints 1.70
    earlier.rank.mean = 2.605001;  // prints 2.61
    FormRow rows[FORM_ROWS];
    compareFormBlocks(&latest, &earlier, rows);
    EXPECT_DOUBLE_EQ(rows[FORM_RANK].difference, 1.70 - 2.61);
    EXPECT_DOUBLE_EQ(rows[FORM_LAST].difference, -30.0);
    EXPECT_NEAR(rows[FORM_LAST].pValue, 0.2105263158, 1e-9);   // Fisher: 0 of 10 against 3 of 10
    decideFormRows(rows + FORM_LAST, 1);
    EXPECT_EQ(rows[FORM_LAST].verdict, 0);
}
