#include "analysis/ConditionContrasts.h"

#include <gtest/gtest.h>

TEST(ConditionContrasts, OnlyARowBeyondChanceAgainstTheRestOfItsGroupIsMarked)
{
    ContrastRow rows[] = {   // {games, mean, squares}: ranks 1 to 4 in equal shares have squares 1.25 a game
        {{20, 1.0, 0.0}, 0, 7},      // 1.00 against 2.50 of 200 games
        {{100, 2.5, 125.0}, 0, 7},   // 2.50 against 2.25 of 120: chance
        {{100, 2.5, 125.0}, 0, 7},
        {{5, 4.0, 0.0}, 1, 7},       // five games: never tested
        {{100, 2.5, 125.0}, 1, 7},   // its rest holds five games: not tested
    };
    double scratch[10];
    markContrasts(rows, 5, scratch);
    const int marks[] = {-1, 0, 0, 0, 0};
    for (int i = 0; i < 5; i++) EXPECT_EQ(rows[i].mark, marks[i]) << "row " << i;
}
