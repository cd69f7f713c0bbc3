#include "report/OpponentSummaryTable.h"

#include "analysis/RunState.h"
#include "support/ReportCapture.h"
#include "support/TempFolder.h"

static const char HEADER[] = "名前\t対戦回数\t勝ち数\t負け数\t勝ち金\t負け金\t収支\r\n";

TEST(OpponentSummaryTable, OneLinePerOpponentInTheTablesOrder)
{
    TempFolder folder(ENTER_FOLDER);
    resetRunStateForReport();
    setOpponents({
        opponent("winner", 1, 1, 0, 1500, 1500, 0),
        opponent("taker", 1, 0, 1, -800, 0, -800),
        opponent("same", 3, 1, 2, 0, 0, 0),
        opponent("small", 2, 0, 2, -0.3f, 0, -0.3f),
        opponent("mixed", 4, 2, 2, 1234.6f, 2034.6f, -800),
        opponent("<!--&", 1, 1, 0, 0.5f, 0.5f, 0),
    });
    ASSERT_EQ(writeOpponentSummaryTable(NULL), 1);
    ASSERT_EQ(placeRunOutput(OUTPUT_OPPONENT_SUMMARY), 1);
    EXPECT_STREQ(runOutputs[OUTPUT_OPPONENT_SUMMARY].name, "abc_ID別集計.xls");
    EXPECT_EQ(fileBytes("abc_ID別集計.xls"), std::string(HEADER) +
              "winner\t1\t1\t0\t1500\t-0\t1500\r\n"
              "taker\t1\t0\t1\t0\t800\t-800\r\n"
              "same\t3\t1\t2\t0\t-0\t0\r\n"
              "small\t2\t0\t2\t0\t0\t-0\r\n"
              "mixed\t4\t2\t2\t2035\t800\t1235\r\n"
              "<!--&\t1\t1\t0\t0\t-0\t0\r\n");
}

TEST(OpponentSummaryTable, ReplacesAnOldFileOnlyWhenPlaced)
{
    TempFolder folder(ENTER_FOLDER);
    resetRunStateForReport();
    const std::string older = "an older and much longer table that must disappear completely\n";
    FILE* old = openFile("abc_ID別集計.xls", "wb");
    ASSERT_NE(old, nullptr);
    fputs(older.c_str(), old);
    fclose(old);
    setOpponents({ opponent("x", 1, 0, 1, 0) });
    ASSERT_EQ(writeOpponentSummaryTable(NULL), 1);
    EXPECT_EQ(runOutputs[OUTPUT_OPPONENT_SUMMARY].written, 1);
    EXPECT_EQ(fileBytes("abc_ID別集計.xls"), older) << "written, not yet placed";
    ASSERT_EQ(placeRunOutput(OUTPUT_OPPONENT_SUMMARY), 1);
    EXPECT_EQ(fileBytes("abc_ID別集計.xls"), std::string(HEADER) + "x\t1\t0\t1\t0\t-0\t0\r\n");
    EXPECT_EQ(fileBytes("abc_ID別集計.xls.tmp"), "<missing>");
}

TEST(OpponentSummaryTable, AFileThatCannotBeCreatedIsReportedAsNotCreated)
{
    TempFolder folder(ENTER_FOLDER);
    resetRunStateForReport();
    clearRecordings();
    copyText(settings.currentId, sizeof settings.currentId, "no/such");
    setPlayerIdentity(&run.player, settings.currentId);
    setOpponents({ opponent("x", 1, 0, 1, 0) });
    EXPECT_EQ(writeOpponentSummaryTable(NULL), 0);
    EXPECT_TRUE(shownMessages.empty());
}
