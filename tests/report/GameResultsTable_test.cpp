#include "report/GameResultsTable.h"

#include "analysis/GameEntryParser.h"
#include "analysis/RunState.h"
#include "support/GameLogText.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>

static const std::string HEADER =
    "日付\t時刻\tロビー\tレート\t部屋"
    "\tメンバー①\t順位①\t得点①\t収支①\tメンバー②\t順位②\t得点②\t収支②"
    "\tメンバー③\t順位③\t得点③\t収支③\tメンバー④\t順位④\t得点④\t収支④\r\n";

TEST(GameResultsTable, FourPlayerRowsHoldEverySeatAndItsShare)
{
    RunFolder folder;
    useTestSettings();
    std::string loss = gameEntry("東南(東50/半100)：卓07>", '1', {"Me", "A", "B", "C"},
                                 resultLine({{3, -15}, {1, 30}, {2, 10}, {4, -25}}));
    ASSERT_EQ(analyseLog(plainGame() + loss), 1);
    EXPECT_TRUE(runOutputs[OUTPUT_GAME_RESULTS].created);
    EXPECT_EQ(gameTableBytes(),
              HEADER +
                  "2024/03/15\t21:05\t一般ロビー\t100\t卓01"
                  "\tMe\t1\t30\t0\tA\t2\t10\t0\tB\t3\t-15\t1125\tC\t4\t-25\t1875\r\n"
                  "2024/03/15\t21:05\t東南\t100\t卓07"
                  "\tMe\t3\t-15\t0\tA\t1\t30\t-1125\tB\t2\t10\t-375\tC\t4\t-25\t0\r\n");
}

TEST(GameResultsTable, ThreePlayerRowsAreFourFieldsShorterThanTheHeader)
{
    RunFolder folder;
    useTestSettings();
    std::string three = gameEntry("三人(点50)：卓>", '0', {"A", "Me", "B", "=三人打ち"},
                                  resultLine({{2, 4}, {1, 3}, {3, -7}}));
    ASSERT_EQ(analyseLog(three + three), 1);
    const std::string row = "2024/03/15\t21:05\t三人\t50\t卓\tA\t2\t4\t0\tMe\t1\t3\t0\tB\t3\t-7\t150\r\n";
    EXPECT_EQ(gameTableBytes(), HEADER + row + row);
}

TEST(GameResultsTable, SharesAreRoundedToWholeNumbers)
{
    RunFolder folder;
    useTestSettings();
    // P = 7: 50 * 3 * 5 / 7 = 107.14 and 50 * 3 * 2 / 7 = 42.86.
    ASSERT_EQ(analyseLog(gameEntry("卓(点50)：卓>", '1', {"Me", "A", "B", "C"},
                               resultLine({{2, 3}, {1, 4}, {3, -5}, {4, -2}}))),
              1);
    EXPECT_EQ(gameTableRows()[1],
              "2024/03/15\t21:05\t卓\t50\t卓\tMe\t2\t3\t0\tA\t1\t4\t0\tB\t3\t-5\t107\tC\t4\t-2\t43");
}

TEST(GameResultsTable, RunWithoutTheTableStillCompletes)
{
    RunFolder folder;
    useTestSettings();
    copyText(settings.currentId, sizeof settings.currentId, "no/such/dir");
    std::string log = gameEntry("卓(点50)：卓>", '1', {"no/such/dir", "A", "B", "C"},
                                resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}}));
    EXPECT_EQ(analyseLog(log), 1);
    EXPECT_FALSE(runOutputs[OUTPUT_GAME_RESULTS].created);
    EXPECT_EQ(run.playerTotals.games, 1);
}

TEST(GameResultsTable, NameIsCutTo255Bytes)
{
    RunFolder folder;
    useTestSettings();
    copyText(settings.currentId, sizeof settings.currentId, "ABCDEFGHIJKLMNO");
    setPlayerIdentity(&run.player, settings.currentId);
    createGameTable();
    finishGameTable();
    placeRunOutput(OUTPUT_GAME_RESULTS);
    EXPECT_STREQ(runOutputs[OUTPUT_GAME_RESULTS].name, "ABCDEFGHIJKLMNO_戦績.xls");
    EXPECT_EQ(fileBytes(runOutputs[OUTPUT_GAME_RESULTS].name), HEADER);
}

TEST(GameResultsTable, NumbersAreWrittenAsPrintfWouldWriteThem)
{
    // The row writer formats numbers itself; its bytes must be those of "%d" and "%.0f".
    const float shares[] = {0.0f, -0.0f, -1125.0f, 0.5f, 1.5f, 2.5f, -0.4f, -107.142857f, 16777217.0f,
                            1e15f, -1e15f, 1e20f, 3.4e38f, -2147483648.0f, 4294967296.0f};
    const int numbers[] = {0, -1, 7, 2147483647, -2147483647 - 1};
    RunFolder folder;
    useTestSettings();
    setPlayerIdentity(&run.player, settings.currentId);
    ASSERT_TRUE(createGameTable());
    std::string expected = HEADER;
    GameEntry game = {};
    copyText(game.date, sizeof game.date, "d");
    copyText(game.time, sizeof game.time, "t");
    game.lobby = "l";
    game.room = "r";
    game.seatCount = 1;
    copyText(game.seats[0].name, sizeof game.seats[0].name, "n");
    for (float share : shares) {
        for (int number : numbers) {
            game.rate = game.seats[0].rank = game.seats[0].score = number;
            game.seats[0].share = share;
            writeGameRow(&game);
            char row[256];
            snprintf(row, sizeof row, "d\tt\tl\t%d\tr\tn\t%d\t%d\t%.0f\r\n", number, number, number, (double)share);
            expected += row;
        }
    }
    finishGameTable();
    placeRunOutput(OUTPUT_GAME_RESULTS);
    EXPECT_EQ(gameTableBytes(), expected);
}
