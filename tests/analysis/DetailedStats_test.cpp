#include "analysis/DetailedStats.h"

#include "analysis/GameEntryParser.h"
#include "analysis/GameIntake.h"
#include "analysis/PlayerStats.h"
#include "analysis/RunState.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

static void startRun(void)
{
    resetSettings();
    applyDefaults();
    settings.details = 1;
    resetRunState();
}

struct Game {
    int rank;
    int seats;
    char flag;
    const char* lobby;
    const char* time;
    int rate;
    int score;
};

// Accepts the game: the player at seat 0 with g.rank and g.score, the other seats balancing the score.
static void accept(const Game& g)
{
    GameEntry entry = {};
    entry.gameLength = g.flag;
    snprintf(entry.time, sizeof entry.time, "%s", g.time);
    entry.lobby = g.lobby;
    entry.room = "卓1";
    entry.rate = g.rate;
    entry.seatCount = g.seats;
    entry.seats[0] = Seat{"Me", g.rank, g.score, 0.0f, 0};
    entry.seats[1] = Seat{"A", g.rank == 1 ? 2 : 1, -g.score, 0.0f, 0};
    for (int i = 2; i < g.seats; i++) entry.seats[i] = Seat{"B", i + 1, 0, 0.0f, 0};
    computeMoneyShares(&entry);
    ASSERT_TRUE(acceptGame(&entry, &runIntake));
}

static void collect(const ConditionRow* row, void* context)
{
    auto* rows = (std::vector<std::string>*)context;
    rows->push_back(std::string(row->group) + " " + row->name + " " + std::to_string(row->sums->games) +
                    (row->kind == KIND_THREE ? " (3)" : ""));
}

static std::vector<std::string> conditionRows(void)
{
    std::vector<std::string> rows;
    visitConditionRows(&run.detailedStats, collect, &rows);
    return rows;
}

TEST(DetailedStats, RowsOfAMixedRunInTheirGroupsAndOrder)
{
    startRun();
    const Game games[] = {
        {1, 4, '0', "一般", "05:59", 100, 30},   // the last hour of 0-5
        {2, 4, '1', "上級", "06:00", 50, 10},    // the first of 6-11
        {3, 3, '1', "三人", "23:59", 100, -5},   // the last of 18-23
        {4, 4, '2', "上級", "24:00", 0, -40},    // no hour: 不明
        {1, 3, '1', "一般", "9:05", 20000, 5},   // a single digit: 不明
    };
    for (const Game& g : games) accept(g);
    // No row mixes the kinds: each group gives the four-player rows, then the three-player ones.
    const std::vector<std::string> expected = {
        "人数 4人打ち 3", "人数 3人打ち 2 (3)",
        "対局 東風戦 1", "対局 半荘戦 2", "対局 半荘戦 2 (3)",
        "ロビー 上級 2", "ロビー 一般 1", "ロビー 一般 1 (3)", "ロビー 三人 1 (3)",   // a tie in byte order
        "レート 0 1", "レート 50 1", "レート 100 1", "レート 100 1 (3)", "レート 20000 1 (3)",
        "時間帯 0-5時 1", "時間帯 6-11時 1", "時間帯 不明 1", "時間帯 18-23時 1 (3)", "時間帯 不明 1 (3)",
    };
    EXPECT_EQ(conditionRows(), expected);
    EXPECT_EQ(run.detailedStats.kinds[KIND_THREE].total.rankCounts[0], 1);
    EXPECT_EQ(run.detailedStats.total.rankSum, 11);
}

// Bug: the first 100 lobbies met had the rows, so a main lobby met later went to the others' row.
TEST(DetailedStats, TheHundredLobbiesWithTheMostGamesHaveRows)
{
    startRun();
    char names[MAX_LOBBIES + 2][8];
    for (int i = 0; i <= MAX_LOBBIES + 1; i++) snprintf(names[i], sizeof names[i], "L%03d", i);
    for (int i = 0; i <= MAX_LOBBIES + 1; i++) accept({1, 4, '1', names[i], "12:00", 0, 0});
    for (int extra : {50, 50, 20, 10, 101, 101, 101, 101}) accept({1, 4, '1', names[extra], "12:00", 0, 0});
    std::vector<std::string> lobbies;
    for (const std::string& row : conditionRows())
        if (row.rfind("ロビー", 0) == 0) lobbies.push_back(row);
    ASSERT_EQ(lobbies.size(), (size_t)MAX_LOBBIES + 1);
    EXPECT_EQ(lobbies[0], "ロビー L101 5") << "met last, most games";
    EXPECT_EQ(lobbies[1], "ロビー L050 3");
    EXPECT_EQ(lobbies[2], "ロビー L010 2");   // ties in rising byte order
    EXPECT_EQ(lobbies[3], "ロビー L020 2");
    EXPECT_EQ(lobbies[MAX_LOBBIES - 1], "ロビー L098 1");
    EXPECT_EQ(lobbies[MAX_LOBBIES], "ロビー （その他） 2") << "L099 and L100: one game, last in byte order";
    EXPECT_EQ(conditionRows(), conditionRows()) << "visiting twice gives the same rows";
}

TEST(DetailedStats, BlocksComeFromTheLatestGamesOfTheRing)
{
    startRun();
    // Game i scores i; the last 200 are three-player games, ranked 1 when i is odd.
    for (int i = 1; i <= 1200; i++)
        accept({i > 1000 ? (i % 2 ? 1 : 3) : (i % 4) + 1, i > 1000 ? 3 : 4, '1', "一般", "12:00", 0, i});
    // Each kind's blocks are of its own games only: its latest half against every earlier game.
    FormBlock last, before, three, threeBefore;
    ASSERT_TRUE(kindFormBlocks(&run.detailedStats, KIND_FOUR, &last, &before));
    ASSERT_TRUE(kindFormBlocks(&run.detailedStats, KIND_THREE, &three, &threeBefore));
    EXPECT_NEAR(last.score.mean, 750.5, 1e-9);     // 501 to 1000
    EXPECT_NEAR(before.score.mean, 250.5, 1e-9);   // 1 to 500
    EXPECT_NEAR(three.score.mean, 1150.5, 1e-9);   // 1101 to 1200
    EXPECT_EQ(last.tops, 125);                     // i % 4 == 0 among 501..1000
    EXPECT_EQ(before.lasts, 125);                  // i % 4 == 3 among 1..500
    EXPECT_NEAR(sampleVariance(&last.score), 500.0 * 501.0 / 12.0, 1e-6);   // n (n + 1) / 12 of 1..n
    EXPECT_NEAR(sampleVariance(&before.score), 500.0 * 501.0 / 12.0, 1e-3);
}

// A group is the rows of one condition and one kind: the seats' rows are never set against each other.
TEST(DetailedStats, MarksSetARowOnlyAgainstItsGroupOfItsKind)
{
    startRun();
    for (int i = 0; i < 40; i++) {
        accept({1, 4, '0', "一般", "12:00", 0, 10});
        accept({4, 4, '1', "一般", "12:00", 0, -10});
        accept({3, 3, '0', "一般", "12:00", 0, -10});
    }
    int count = 0;
    signed char* marks = conditionRowMarks(&run.detailedStats, &count);
    // 人数 4, 3; 対局 東風 半荘 (4), 東風 (3); then one row per kind for the lobby, rate and time band.
    EXPECT_EQ(std::vector<int>(marks, marks + count), std::vector<int>({0, 0, -1, 1, 0, 0, 0, 0, 0, 0, 0}));
    free(marks);
}

TEST(DetailedStats, NothingIsCountedWithTheOptionOff)
{
    startRun();
    settings.details = 0;
    accept({1, 4, '1', "一般", "12:00", 0, 10});
    EXPECT_EQ(run.detailedStats.total.games, 0);
    EXPECT_TRUE(conditionRows().empty());
}
