#include "analysis/PlayerStats.h"

#include "analysis/GameEntryParser.h"
#include "analysis/GameIntake.h"
#include "analysis/OpponentTable.h"
#include "analysis/RunState.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <vector>

static const char NAMES[MAX_SEATS][ID_SIZE] = {"Me", "A", "B", "C"};

// A fresh run state without a per-game table, rates 0 to 20000.
static void startRun(void)
{
    resetSettings();
    applyDefaults();
    resetRunState();
}

// The game record of four seats named as NAMES, with its money computed; the player sits at seat p.
static GameEntry game(int rate, const int* ranks, const int* scores, int p = 0)
{
    GameEntry entry = {};
    entry.rate = rate;
    entry.seatCount = 4;
    entry.playerSeat = p;
    for (int i = 0; i < MAX_SEATS; i++) {
        copyText(entry.seats[i].name, sizeof entry.seats[i].name, NAMES[i]);
        entry.seats[i].nameHash = nameHash(entry.seats[i].name);
        entry.seats[i].rank = ranks[i];
        entry.seats[i].score = scores[i];
    }
    computeMoneyShares(&entry);
    return entry;
}

// Accepts the game (player at seat 0) as a run would.
static void addGame(int rate, const int* ranks, const int* scores)
{
    GameEntry entry = game(rate, ranks, scores);
    ASSERT_TRUE(acceptGame(&entry, &runIntake));
}

// Adds a game in which the player scores s and the others share -s (rate 0, ranks by sign).
static void addResult(int s)
{
    int ranks[MAX_SEATS] = {s > 0 ? 1 : s < 0 ? 4 : 2, 2, 3, 4};
    int scores[MAX_SEATS] = {s, -s, 0, 0};
    addGame(0, ranks, scores);
}

TEST(PlayerStats, StreaksFollowTheSignOfConsecutiveResults)
{
    struct Case {
        std::vector<int> results;
        int currentWin, currentLoss, longestWin, longestLoss;
        const char* rule;
    };
    const Case cases[] = {
        {{10}, 1, 0, 0, 0, "a first win starts a streak of 1 that is not yet a longest streak"},
        {{10, 5}, 2, 0, 2, 0, "two wins in a row"},
        {{10, 5, -3}, 0, 1, 2, 0, "+, +, - ends the win streak and starts a loss streak"},
        {{10, -1, 10, -1, 10}, 1, 0, 0, 0, "never two wins in a row: no longest win streak"},
        {{-1, -2, -3, 4}, 1, 0, 0, 3, "three losses in a row"},
        {{10, 0, 10}, 1, 0, 0, 0, "a draw ends both streaks; the next win starts at 1"},
        {{10, 10, 0}, 0, 0, 2, 0, "a draw keeps the longest streak"},
        {{5, 5, 5, -1, 5, 5}, 2, 0, 3, 0, "a shorter later streak leaves the longest one"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        startRun();
        for (int s : c.results) addResult(s);
        EXPECT_EQ(run.playerTotals.currentWinStreak, c.currentWin);
        EXPECT_EQ(run.playerTotals.currentLossStreak, c.currentLoss);
        EXPECT_EQ(run.playerTotals.longestWinStreak, c.longestWin);
        EXPECT_EQ(run.playerTotals.longestLossStreak, c.longestLoss);
    }
}

TEST(PlayerStats, CountsGamesScoresAndRanks)
{
    startRun();
    for (int s : {12, -7, 0, -30, 25}) addResult(s);
    EXPECT_EQ(run.playerTotals.games, 5);
    EXPECT_EQ(run.playerTotals.wins, 2);
    EXPECT_EQ(run.playerTotals.losses, 2);
    EXPECT_EQ(run.playerTotals.draws, 1);
    EXPECT_EQ(run.playerTotals.bestScore, 25);
    EXPECT_EQ(run.playerTotals.worstScore, -30);
    EXPECT_EQ(run.playerTotals.scoreSum, 0);
    EXPECT_EQ(run.playerTotals.rankSum, 1 + 4 + 2 + 4 + 1);
    EXPECT_EQ(run.playerTotals.rankCounts[0], 2);
    EXPECT_EQ(run.playerTotals.rankCounts[1], 1);
    EXPECT_EQ(run.playerTotals.rankCounts[3], 2);
    EXPECT_EQ(run.playerTotals.previousResult, 25);

    startRun();
    for (int s : {-3, -9}) addResult(s);
    EXPECT_EQ(run.playerTotals.bestScore, 0) << "no positive score: best stays 0";
    startRun();
    for (int s : {3, 9}) addResult(s);
    EXPECT_EQ(run.playerTotals.worstScore, 0) << "no negative score: worst stays 0";
}

TEST(PlayerStats, RankOutsideOneToFourEntersOnlyTheRankSum)
{
    startRun();
    int scores[MAX_SEATS] = {10, -10, 0, 0};
    for (int rank : {0, 5, -2}) {
        int ranks[MAX_SEATS] = {rank, 2, 3, 4};
        addGame(0, ranks, scores);
    }
    EXPECT_EQ(run.playerTotals.rankSum, 3);
    for (int count : run.playerTotals.rankCounts) EXPECT_EQ(count, 0);
}

TEST(PlayerStats, RecentResultsRingWraps)
{
    startRun();
    for (int game = 1; game <= 101; game++) addResult(game);
    EXPECT_EQ(run.recentResults.next, 1);
    EXPECT_EQ(run.recentResults.slots[0], 101) << "the 101st game overwrites the first";
    EXPECT_EQ(run.recentResults.slots[99], 100);
    resetPlayerStats(&run.playerTotals, &run.recentResults);
    EXPECT_EQ(run.recentResults.next, 0);
    EXPECT_EQ(run.recentResults.slots[0], 101) << "a reset keeps the slots";
}

TEST(PlayerStats, MoneySharesSplitTheLosersPaymentsByPositiveScores)
{
    struct Case {
        int rate;
        int playerSeat;
        int scores[MAX_SEATS];
        float shares[MAX_SEATS];
        const char* rule;
    };
    const Case cases[] = {
        {100, 0, {30, 10, -15, -25}, {0, 0, 1125, 1875}, "a winner receives from every loser"},
        {100, 2, {30, 10, -15, -25}, {-1125, -375, 0, 0}, "a loser pays every winner"},
        {0, 0, {30, 10, -15, -25}, {0, 0, 0, 0}, "rate 0: no money"},
        {100, 1, {30, 0, -15, -15}, {0, 0, 0, 0}, "a draw neither pays nor receives"},
        {50, 0, {3, 4, -5, -2}, {0, 0, 750.0f / 7, 300.0f / 7}, "fractions are kept"},
        {20000, 0, {2000000000, -1000000000, -1000000000, 0},
         {0, 2e13f, 2e13f, 0}, "huge values computed in double"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        int ranks[MAX_SEATS] = {1, 2, 3, 4};
        GameEntry entry = game(c.rate, ranks, c.scores, c.playerSeat);
        for (int i = 0; i < MAX_SEATS; i++) EXPECT_FLOAT_EQ(entry.seats[i].share, c.shares[i]) << "seat " << i;
    }
}

TEST(PlayerStats, OpponentsCollectGamesPlacingsAndMoney)
{
    startRun();
    int ranks[MAX_SEATS] = {1, 2, 3, 4};
    int win[MAX_SEATS] = {30, 10, -15, -25};
    addGame(100, ranks, win);
    int loss[MAX_SEATS] = {-15, 30, 10, -25};
    addGame(100, ranks, loss);
    int tie[MAX_SEATS] = {0, 0, 10, -10};
    addGame(100, ranks, tie);

    ASSERT_EQ(opponentCount(&run.opponentTable), 3);
    const OpponentRecord& a = run.opponentTable.records[0];
    const OpponentRecord& b = run.opponentTable.records[1];
    const OpponentRecord& c = run.opponentTable.records[2];
    EXPECT_STREQ(a.name, "A");
    EXPECT_EQ(a.games, 3);
    EXPECT_EQ(a.above, 1);
    EXPECT_EQ(a.below, 2) << "equal scores count as below";
    EXPECT_FLOAT_EQ(a.moneyWon, 0);
    EXPECT_FLOAT_EQ(a.moneyLost, -1125);
    EXPECT_FLOAT_EQ(a.balance, -1125);
    EXPECT_EQ(b.above, 1);
    EXPECT_EQ(b.below, 2);
    EXPECT_FLOAT_EQ(b.moneyWon, 1125);
    EXPECT_FLOAT_EQ(b.moneyLost, -375);
    EXPECT_FLOAT_EQ(b.balance, 750);
    EXPECT_EQ(c.above, 3);
    EXPECT_FLOAT_EQ(c.moneyWon, 1875);
    EXPECT_FLOAT_EQ(c.balance, 1875);
}

TEST(PlayerStats, MoneyFieldsAddInFloat)
{
    // 2^24 + 1 is not a float: each addition of 1 rounds back to 2^24, where a wider sum would
    // reach 2^24 + 2 after two games.
    startRun();
    int ranks[MAX_SEATS] = {1, 2, 3, 4};
    int first[MAX_SEATS] = {16777216, -16777216, 0, 0};
    addGame(1, ranks, first);
    int small[MAX_SEATS] = {1, -1, 0, 0};
    addGame(1, ranks, small);
    addGame(1, ranks, small);
    EXPECT_EQ(run.opponentTable.records[0].moneyWon, 16777216.0f);
    EXPECT_EQ(run.opponentTable.records[0].balance, 16777216.0f);
}
