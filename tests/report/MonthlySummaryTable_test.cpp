#include "report/MonthlySummaryTable.h"

#include "analysis/RunState.h"

#include "support/GameLogText.h"

#include <gtest/gtest.h>

// A game at rate 100 on the date (the text between "[" and "]" of the date line), with "Me" at seat 0
// of four or seat 1 of three.
static std::string game(const std::string& date, const std::string& result, int three = 0)
{
    std::string entry = three ? gameEntry("三人(点100)：卓>", '1', {"A", "Me", "B", "=三人打ち"}, result)
                              : gameEntry("卓(点100)：卓>", '1', {"Me", "A", "B", "C"}, result);
    const std::string usual = "[2024/03/15 21:05]";
    return entry.replace(entry.find(usual), usual.size(), "[" + date + "]");
}

// Four players: a win (+30, rank 1, money +3000), a loss (-25, rank 4, money -2500), a draw (0, rank 2,
// money 0), a win at an odd rank 7. Three: a win (+20, rank 1, +2000), a loss (-25, rank 3, -2500).
static std::string win(const std::string& d) { return game(d, resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}})); }
static std::string loss(const std::string& d) { return game(d, resultLine({{4, -25}, {1, 30}, {2, 10}, {3, -15}})); }
static std::string draw(const std::string& d) { return game(d, resultLine({{2, 0}, {1, 10}, {4, -10}, {3, 0}})); }
static std::string oddRank(const std::string& d) { return game(d, resultLine({{7, 30}, {2, 10}, {3, -15}, {4, -25}})); }
static std::string threeWin(const std::string& d) { return game(d, resultLine({{2, 10}, {1, 20}, {3, -30}}), 1); }
static std::string threeLoss(const std::string& d) { return game(d, resultLine({{1, 20}, {3, -25}, {2, 5}}), 1); }

static const std::string HEADER =
    "年月\t対局数\t勝ち\t負け\t引分\t平均順位\t1位率\t2位率\t3位率\t4位率\t平均得点\t収支\r\n";

// The monthly table of a run with the option: its rows, in ascending byte order of the month key.
TEST(MonthlySummaryTable, RowsOfTheMonthlyTable)
{
    struct Case {
        std::string log;
        std::vector<std::string> rows;
        const char* rule;
    };
    const Case cases[] = {
        {win("2024/01/31 23:59") + loss("2024/02/01 00:01") + win("2023/12/31 12:00") + win("2024/01/01 00:00"),
         {"2023/12\t1\t1\t0\t0\t1.00\t100.0\t0.0\t0.0\t0.0\t30.00\t3000",
          "2024/01\t2\t2\t0\t0\t1.00\t100.0\t0.0\t0.0\t0.0\t30.00\t6000",
          "2024/02\t1\t0\t1\t0\t4.00\t0.0\t0.0\t0.0\t100.0\t-25.00\t-2500"},
         "a row per month, in key order even when the log is not"},
        {win("2024/03/01 10:00") + loss("2024/02/01 10:00") + win("2024/01/01 10:00") + win("2024/02/09 10:00"),
         {"2024/01\t1\t1\t0\t0\t1.00\t100.0\t0.0\t0.0\t0.0\t30.00\t3000",
          "2024/02\t2\t1\t1\t0\t2.50\t50.0\t0.0\t0.0\t50.0\t2.50\t500",
          "2024/03\t1\t1\t0\t0\t1.00\t100.0\t0.0\t0.0\t0.0\t30.00\t3000"},
         "a log kept newest first, a month found again after others"},
        {loss("2024/04/02 10:00") + draw("2024/04/03 10:00") + loss("2024/04/04 10:00") + win("2024/04/05 10:00"),
         {"2024/04\t4\t1\t2\t1\t2.75\t25.0\t25.0\t0.0\t50.0\t-5.00\t-2000"},
         "negative money, and a draw counts as neither win nor loss"},
        {threeWin("2024/05/01 10:00") + threeLoss("2024/05/02 10:00"),
         {"2024/05\t2\t1\t1\t0\t2.00\t50.0\t0.0\t50.0\t0.0\t-2.50\t-500"},
         "a month of three-player games only: 4位率 0.0"},
        {win("2024/07/01 10:00") + threeLoss("2024/07/02 10:00") + loss("2024/07/03 10:00") + threeWin("2024/06/30 10:00"),
         {"2024/06（3人）\t1\t1\t0\t0\t1.00\t100.0\t0.0\t0.0\t0.0\t20.00\t2000",
          "2024/07（4人）\t2\t1\t1\t0\t2.50\t50.0\t0.0\t0.0\t50.0\t2.50\t500",
          "2024/07（3人）\t1\t0\t1\t0\t3.00\t0.0\t0.0\t100.0\t0.0\t-25.00\t-2500"},
         "both kinds: a row per month and kind, so a three-player last is no 3位 of four"},
        {oddRank("2024/06/01 10:00") + win("2024/06/02 10:00"),
         {"2024/06\t2\t2\t0\t0\t4.00\t50.0\t0.0\t0.0\t0.0\t30.00\t6000"},
         "a rank outside 1 to 4 enters only the rank sum"},
        {win("24/6") + win("2024年6月5日 21:05") + win("２０２４/06/05") + win("２０２ab"),
         {"2024年6\t1\t1\t0\t0\t1.00\t100.0\t0.0\t0.0\t0.0\t30.00\t3000",
          "24/6]\t1\t1\t0\t0\t1.00\t100.0\t0.0\t0.0\t0.0\t30.00\t3000",
          "２０２\t1\t1\t0\t0\t1.00\t100.0\t0.0\t0.0\t0.0\t30.00\t3000",
          "２０２a\t1\t1\t0\t0\t1.00\t100.0\t0.0\t0.0\t0.0\t30.00\t3000"},
         "short date texts; a character that would straddle the 7th byte is left out"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        useTestSettings();
        settings.trendCharts = 1;
        ASSERT_EQ(analyseLog(c.log), 1);
        ASSERT_TRUE(writeMonthlySummaryTable());
        ASSERT_TRUE(placeRunOutput(OUTPUT_MONTHLY_SUMMARY));
        std::string expected = HEADER;
        for (const std::string& row : c.rows) expected += row + "\r\n";
        EXPECT_EQ(fileBytes("Me_月別集計.xls"), expected);
    }
}
