#include "report/Report.h"

#include "analysis/RunState.h"
#include "report/GameResultsTable.h"
#include "report/HtmlText.h"
#include "report/OpponentSummaryTable.h"
#include "settings/AppPaths.h"

#include "support/ReportCapture.h"
#include "support/TempFolder.h"
#include "Version.h"
#include "text/Messages.h"

#include <filesystem>
#include <time.h>

// Two games of "abc" against three opponents whose names would break HTML, the per-game table
// created, output into the current (temporary) folder.
static void fillSmallRun(const TempFolder& folder)
{
    resetRunStateForReport();
    run.playerTotals.games = 2;
    run.playerTotals.wins = 1;
    run.playerTotals.losses = 1;
    run.playerTotals.bestScore = 30;
    run.playerTotals.worstScore = -10;
    run.playerTotals.scoreSum = 20;
    run.playerTotals.rankSum = 4;
    run.playerTotals.rankCounts[0] = 1;
    run.playerTotals.rankCounts[2] = 1;
    run.playerTotals.currentWinStreak = 1;
    run.recentResults.slots[0] = -10;
    run.recentResults.slots[1] = 30;
    run.recentResults.next = 2;
    setOpponents({ opponent("<!--", 2, 1, 1, 250, 1000, -750), opponent("a&b", 2, 2, 0, 1200, 1200, 0),
                   opponent("x<y", 1, 0, 1, -3000, 0, -3000) });
    copyText(runOutputs[OUTPUT_GAME_RESULTS].name, sizeof runOutputs[OUTPUT_GAME_RESULTS].name, "abc_戦績.xls");
    runOutputs[OUTPUT_GAME_RESULTS].created = 1;
    runOutputs[OUTPUT_GAME_RESULTS].written = 1;
    copyText(appPaths.outputFolder, sizeof appPaths.outputFolder, folder.path.c_str());
    run.startTime = time(NULL) - 42;
}

static std::string expectedLink(const char* tableName)
{
    char link[4096], href[4096 * HTML_ESCAPE_GROWTH];
    formatFileLink(link, sizeof link, appPaths.outputFolder, tableName);
    escapeHtml(href, sizeof href, link);
    return href;
}

TEST(Report, SectionsInOrderFromHeadToFooter)
{
    TempFolder folder(ENTER_FOLDER);
    fillSmallRun(folder);
    EXPECT_EQ(writeReport(), 1);
    EXPECT_EQ(reportStream, nullptr);
    std::string report = fileBytes("分析結果.html");

    const char* landmarks[] = {
        "<HTML>\r\n<HEAD>\r\n",
        "<TITLE>Vornix ver. " VORNIX_VERSION " 分析結果</TITLE>\r\n</HEAD>\r\n<BODY>\r\n",
        "<h3>☆ abcさんの戦績 ☆</h3>\r\n",
        "<h3>☆ abcさんの最近の戦績 ☆</h3>\r\n",
        "<h3>☆ abcさんと、たくさん遊んでくれた人 ＴＯＰ３０ ☆</h3>\r\n",
        "<h3>☆ トータル収支ランキング ☆</h3>\r\n",
        "<h3>☆ 勝ち越し・負け越しランキング ☆</h3>\r\n",
        "</table>\r\n</div>\r\n<hr>\r\n<h3>☆ ダウンロード ☆</h3>\r\n<UL>",
        "</UL>\r\n<hr>\r\n<DIV class=\"right\">\r\n",
    };
    size_t at = 0;
    for (const char* landmark : landmarks) {
        SCOPED_TRACE(landmark);
        size_t found = report.find(landmark, at);
        ASSERT_NE(found, std::string::npos);
        at = found + 1;
    }
    std::string footerStart = "</DIV>\r\n</body></html>\r\n";
    ASSERT_GT(report.size(), footerStart.size());
    EXPECT_EQ(report.substr(report.size() - footerStart.size()), footerStart);
    EXPECT_TRUE(report.find("Data processing time : 42 sec\r\n") != std::string::npos ||
                report.find("Data processing time : 43 sec\r\n") != std::string::npos);
    EXPECT_EQ(occurrences(report, "\n"), occurrences(report, "\r\n")) << "every line ends in CR LF";
}

TEST(Report, NamesFromOutsideCannotBreakTheDocument)
{
    TempFolder folder(ENTER_FOLDER);
    fillSmallRun(folder);
    copyText(settings.currentId, sizeof settings.currentId, "i\"d&<>");
    setPlayerIdentity(&run.player, settings.currentId);
    writeReport();
    std::string report = fileBytes("分析結果.html");
    EXPECT_EQ(occurrences(report, "<!--"), 1) << "only the style sheet opens a comment";
    EXPECT_EQ(occurrences(report, "-->"), 1);
    EXPECT_EQ(report.find("a&b"), std::string::npos);
    EXPECT_EQ(report.find("x<y"), std::string::npos);
    EXPECT_EQ(occurrences(report, "i&quot;d&amp;&lt;&gt;さん"), 3) << "the ID in the three headings";
    std::string table = fileBytes("i\"d&<>_ID別集計.xls");
    for (const char* line : { "\r\n<!--\t2\t", "\r\na&b\t2\t", "\r\nx<y\t1\t" })
        EXPECT_NE(table.find(line), std::string::npos) << "names stay raw in the table: " << line;
}

TEST(Report, DownloadsBlockListsTheTablesThatWereWrittenInFull)
{
    struct Case {
        int gameTable;
        int opponentTable;
        const char* rule;
    } cases[] = {
        { 1, 1, "both tables" },
        { 1, 0, "only the per-game table" },
        { 0, 1, "only the per-opponent table: the per-game one failed while it was written" },
        { 0, 0, "neither: no block at all, not even the rule" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        TempFolder folder(ENTER_FOLDER);
        fillSmallRun(folder);
        runOutputs[OUTPUT_GAME_RESULTS].written = c.gameTable;
        if (!c.opponentTable) {
            ASSERT_EQ(createDirectory("abc_ID別集計.xls"), 1);   // in the way of the file
        }
        writeReport();
        std::string report = fileBytes("分析結果.html");

        std::string block;
        if (c.gameTable || c.opponentTable) {
            block = "<hr>\r\n<h3>☆ ダウンロード ☆</h3>\r\n<UL>";
            if (c.gameTable) block += "<LI><a href=\"" + expectedLink("abc_戦績.xls") + "\">戦績ファイル</a></LI>\r\n";
            if (c.opponentTable)
                block += "<LI><a href=\"" + expectedLink("abc_ID別集計.xls") + "\">ID別集計ファイル</a></LI>\r\n";
            block += "</UL>\r\n";
        }
        std::string lastRanking = "</tr>\r\n</table>\r\n</div>\r\n";
        EXPECT_NE(report.find(lastRanking + block + "<hr>\r\n<DIV class=\"right\">\r\n"), std::string::npos);
    }
}

TEST(Report, LinksPointAtTheOutputFolder)
{
    TempFolder folder(ENTER_FOLDER);
    fillSmallRun(folder);
    writeReport();
    std::string report = fileBytes("分析結果.html");
    std::string prefix = "<LI><a href=\"file://" + folder.path + "/abc_%E6%88%A6%E7%B8%BE.xls\">";
    EXPECT_NE(report.find(prefix), std::string::npos) << "an absolute file URL with the name percent-encoded";
}

TEST(Report, AReportThatCannotBeCreatedLeavesTheTablesAsTheyWere)
{
    TempFolder folder(ENTER_FOLDER);
    fillSmallRun(folder);
    clearRecordings();
    ASSERT_EQ(createDirectory("分析結果.html"), 1);
    FILE* old = openFile("abc_ID別集計.xls", "wb");
    ASSERT_NE(old, nullptr);
    fputs("old", old);
    fclose(old);
    EXPECT_EQ(writeReport(), 0);
    // Bug: the message named the report, not what is in its way.
    std::string named = std::string(MESSAGE_REPORT_NOT_CREATED) + MESSAGE_OUTPUT_IN_THE_WAY + folder.path + "/分析結果.html";
    EXPECT_EQ(shownMessages, std::vector<std::string>{named});
    EXPECT_EQ(fileBytes("abc_ID別集計.xls"), "old");
    for (const auto& entry : std::filesystem::directory_iterator("."))
        EXPECT_NE(entry.path().extension(), ".tmp") << "no temporary file is left";
}
