#include "analysis/AnalysisRun.h"

#include "analysis/FatalError.h"
#include "analysis/GameResultsTable.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerStats.h"
#include "RunFolder.h"
#include "report/Report.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

TEST(AnalysisRun, NoMatchingGameTellsTheUserAndKeepsTheHeaderOnlyTable)
{
    struct Case {
        std::string log;
        int minRate;
        const char* rule;
    };
    const std::string other = gameEntry("卓(点50)：卓>", '1', {"W", "X", "Y", "Z"},
                                        resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}}));
    const Case cases[] = {
        {"", 0, "an empty log"},
        {"no entries here\r\n", 0, "a log without entries"},
        {other + other, 0, "no entry of the ID"},
        {plainGame("卓(点50)：卓>") + plainGame("卓(点60)：卓>"), 70, "every entry of the ID below the range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        useTestSettings();
        settings.minRate = c.minRate;
        clearRecordings();
        EXPECT_EQ(runLog(c.log), 0);
        ASSERT_EQ(shownMessages.size(), 1u);
        EXPECT_EQ(shownMessages[0], MESSAGE_NO_GAME);
        EXPECT_EQ(gameTableRows().size(), 1u);
        EXPECT_EQ(gameTableFile, nullptr) << "the table is closed";
    }
}

TEST(AnalysisRun, TwoRunsOverTheSameLogGiveTheSameResults)
{
    RunFolder folder;
    useTestSettings();
    std::string three = gameEntry("三人(点100)：卓>", '1', {"A", "Me", "B", "=三人打ち"},
                                  resultLine({{2, 10}, {1, 20}, {3, -30}}));
    std::string log = plainGame() + plainGame("東南(東1万/半2万)：卓>") + three;
    ASSERT_EQ(runLog(log), 1);
    std::string firstTable = gameTableBytes();
    PlayerTotals firstTotals = playerTotals;
    std::vector<OpponentRecord> firstOpponents(opponentTable.records, opponentTable.records + opponentCount());

    ASSERT_EQ(runLog(log), 1);
    EXPECT_EQ(gameTableBytes(), firstTable);
    EXPECT_EQ(memcmp(&playerTotals, &firstTotals, sizeof firstTotals), 0);
    ASSERT_EQ(opponentCount(), (int)firstOpponents.size());
    EXPECT_EQ(memcmp(opponentTable.records, firstOpponents.data(), firstOpponents.size() * sizeof(OpponentRecord)), 0);
    EXPECT_EQ(playerTotals.games, 3);
    EXPECT_EQ(recentResults.next, 3);
}

TEST(AnalysisRunDeathTest, FatalErrorKeepsTheRowsWrittenBefore)
{
    RunFolder folder;
    useTestSettings();
    std::string log = plainGame() + plainGame("卓(点3万)：卓>") + plainGame();
    EXPECT_EXIT(runLog(log), ::testing::ExitedWithCode(1), "message: " + hexOf(MESSAGE_IMPOSSIBLE_RATE));
    std::vector<std::string> rows = gameTableRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].substr(0, 27), "2024/03/15\t21:05\t一般ロビー");
}

TEST(FatalErrorDeathTest, ShowsTheMessageClosesTheReportAndEnds)
{
    RunFolder folder;
    EXPECT_EXIT(
        {
            reportStream = fopen("report.html", "wb");
            fputs("partial", reportStream);
            findOrAddOpponent("someone");
            fatalError("%s%d", "牌譜", 7);
        },
        ::testing::ExitedWithCode(1), "message: " + hexOf("牌譜7"));
    EXPECT_EQ(fileBytes("report.html"), "partial");
    std::string longText(300, 'x');
    EXPECT_EXIT(fatalError("%s", longText.c_str()), ::testing::ExitedWithCode(1),
                "message: " + hexOf(std::string(255, 'x')) + "\n");
}
