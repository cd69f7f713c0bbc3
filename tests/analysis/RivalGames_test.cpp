#include "analysis/RivalGames.h"

#include "analysis/GameEntryParser.h"
#include "analysis/OpponentTable.h"

#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <vector>

struct TestSeat {
    const char* name;
    int rank, score;
    float share;
};

// A game of the player "Me" at seat 0 with the given other seats; n numbers it (date, time, rate).
static GameEntry game(unsigned n, int myRank, int myScore, std::vector<TestSeat> others)
{
    GameEntry g;
    memset(&g, 0, sizeof g);
    snprintf(g.date, sizeof g.date, "2024/%02u/%02u", 1 + n / 28 % 12, 1 + n % 28);
    snprintf(g.time, sizeof g.time, "%02u:%02u", n / 60 % 24, n % 60);
    g.lobby = "一般ロビー";
    g.rate = (int)n;
    g.seatCount = 1 + (int)others.size();
    copyText(g.seats[0].name, sizeof g.seats[0].name, "Me");
    g.seats[0].rank = myRank;
    g.seats[0].score = myScore;
    for (size_t i = 0; i < others.size(); i++) {
        copyText(g.seats[i + 1].name, sizeof g.seats[i + 1].name, others[i].name);
        g.seats[i + 1].rank = others[i].rank;
        g.seats[i + 1].score = others[i].score;
        g.seats[i + 1].share = others[i].share;
        g.seats[i + 1].nameHash = nameHash(g.seats[i + 1].name);
    }
    return g;
}

static RivalGames rivals;

static Rival* rivalNamed(const char* name)
{
    clearRivalGames(&rivals);
    OpponentRecord record;
    memset(&record, 0, sizeof record);
    copyText(record.name, sizeof record.name, name);
    return &rivals.rivals[addRival(&rivals, &record) - 1];
}

TEST(RivalGames, AMeetingPerSeatOfTheOpponentAndOddRanksWithoutAPlace)
{
    Rival* a = rivalNamed("A");
    GameEntry games[] = {
        game(1, 1, 20, { { "A", 2, 10, 300.0f }, { "B", 3, -30, 600.0f } }),                  // three players
        game(2, 4, -40, { { "A", 1, 30, -400.0f }, { "A", 2, 20, -100.0f }, { "C", 3, -10, 0 } }),  // A twice
        game(3, 7, 5, { { "A", 0, -5, 50.0f }, { "B", 1, 0, 0 } }),                           // odd ranks
        game(4, 1, 40, { { "B", 2, -40, 900.0f } }),                                           // no A
    };
    for (const GameEntry& g : games) addGameToRivals(&rivals, &g);
    EXPECT_EQ(a->meetings, 4);
    // The places of each kind apart: games 1 and 3 have three seats.
    const PlaceSums *mine = a->playerPlaces, *his = a->places;
    EXPECT_EQ(std::vector<int>(mine[KIND_FOUR].rankCounts, mine[KIND_FOUR].rankCounts + 4), (std::vector<int>{ 0, 0, 0, 2 }));
    EXPECT_EQ(std::vector<int>(his[KIND_THREE].rankCounts, his[KIND_THREE].rankCounts + 4), (std::vector<int>{ 0, 1, 0, 0 }));
    EXPECT_EQ(mine[KIND_THREE].rankSum, 1 + 7) << "an odd rank still counts in the average";
    EXPECT_EQ(his[KIND_FOUR].scoreSum, 30 + 20);
    EXPECT_EQ(his[KIND_THREE].scoreSum, 10 - 5);
    EXPECT_FLOAT_EQ(a->runningBalance, 300.0f - 400.0f - 100.0f + 50.0f);
    EXPECT_EQ(recentRivalGame(a, 1)->share, -100.0f) << "the second seat of game 2 is a row of its own";
    EXPECT_EQ(findRival(&rivals, "B"), 0) << "an opponent not chosen is not counted";
}

TEST(RivalGames, BalanceInAtMost200BucketsEndingAtTheLastMeeting)
{
    struct Case {
        int meetings, points, span;
    } cases[] = { { 1, 1, 1 }, { 200, 200, 1 }, { 201, 101, 2 }, { 1000, 125, 8 }, { 100000, 196, 512 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meetings);
        Rival* a = rivalNamed("A");
        for (int n = 1; n <= c.meetings; n++) {
            GameEntry g = game(n, 1, 10, { { "A", 2, -10, (float)(n % 3) } });
            addGameToRivals(&rivals, &g);
        }
        ASSERT_EQ(a->pointCount, c.points);
        EXPECT_EQ(a->span, c.span);
        EXPECT_EQ(a->points[c.points - 1].game, c.meetings);
        EXPECT_EQ(a->points[c.points - 1].balance, a->runningBalance);
        for (int i = 0; i + 1 < a->pointCount; i++) ASSERT_EQ(a->points[i].game, (i + 1) * c.span);
    }
}

TEST(RivalGames, TheLast20NewestFirst)
{
    for (int meetings : { 3, 25 }) {
        SCOPED_TRACE(meetings);
        Rival* a = rivalNamed("A");
        for (int n = 1; n <= meetings; n++) {
            GameEntry g = game(n, 1, 10, { { "A", 2, -10, 0 } });
            addGameToRivals(&rivals, &g);
        }
        int shown = meetings < 20 ? meetings : 20;
        for (int i = 0; i < shown; i++) ASSERT_EQ(recentRivalGame(a, i)->rate, meetings - i) << i;
        GameEntry last = game(meetings, 1, 10, {});
        EXPECT_STREQ(recentRivalGame(a, 0)->date, last.date);
        EXPECT_STREQ(recentRivalGame(a, 0)->lobby, "一般ロビー");
    }
}
