#include "analysis/ConditionContrasts.h"

#include <gtest/gtest.h>

static ContrastRow rowOf(int group, int games, const int counts[4])
{
    ContrastRow row = { {0, 0.0, 0.0}, group, 7 };
    for (int i = 0; i < games; i++) {
        int rank = 1, seen = i % (counts[0] + counts[1] + counts[2] + counts[3]);
        while (seen >= counts[rank - 1]) seen -= counts[rank++ - 1];
        addToMoments(&row.rank, rank);
    }
    return row;
}

TEST(ConditionContrasts, OnlyARowBeyondChanceAgainstTheRestOfItsGroupIsMarked)
{
    const int tops[4] = {1, 0, 0, 0}, even[4] = {1, 1, 1, 1}, lasts[4] = {0, 0, 0, 1};
    ContrastRow rows[] = {
        rowOf(0, 20, tops),    // 1.00 against 2.50 of 200 games
        rowOf(0, 100, even),   // 2.50 against 2.25 of 120: chance
        rowOf(0, 100, even),
        rowOf(1, 5, lasts),    // five games: never tested
        rowOf(1, 100, even),   // its rest holds five games: not tested
    };
    double scratch[10];
    markContrasts(rows, 5, scratch);
    const int marks[] = {-1, 0, 0, 0, 0};
    for (int i = 0; i < 5; i++) EXPECT_EQ(rows[i].mark, marks[i]) << "row " << i;
}
