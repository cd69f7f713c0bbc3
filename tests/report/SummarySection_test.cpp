#include "report/SummarySection.h"

#include "analysis/LatestGames.h"
#include "report/DetailsSection.h"
#include "report/LatestGamesSection.h"
#include "report/PlayerRecordSection.h"
#include "report/RankBars.h"
#include "report/ColorScheme.h"
#include "support/GameLogText.h"
#include "support/ReportCapture.h"

#include <regex>

static std::string threePlayerGame(int rank, int score)
{
    return gameEntry("三人(点100)：卓" + std::to_string(rank) + ">", '1', {"Me", "A", "B", "=三人打ち"},
                     resultLine({{rank, score}, {rank == 1 ? 2 : 1, 10 - score}, {3, -10}}));
}

static std::string firstMatch(const std::string& text, const char* pattern)
{
    std::smatch match;
    return std::regex_search(text, match, std::regex(pattern)) ? match[1].str() : "(none)";
}

// Every figure of the summary is the record's or the detailed section's, per kind in a mixed run.
TEST(SummarySection, FiguresEqualTheRecordAndTheDetailedSection)
{
    RunFolder folder;
    useTestSettings();
    settings.details = 1;
    ASSERT_EQ(analyseLog(plainGame() + plainGame("上級(点200)：卓02>") + threePlayerGame(1, 20) +
                         threePlayerGame(2, 5) + threePlayerGame(2, 5)), 1);
    std::string summary = captureReport(writeSummarySection);
    std::string record = captureReport(writePlayerRecordSection);
    std::string details = captureReport(writeDetailsSection);
    EXPECT_NE(firstMatch(summary, "通算収支：</td><td class=\"\\w+\">([^<]*)</td>"), "(none)");
    EXPECT_EQ(firstMatch(summary, "通算収支：</td><td class=\"\\w+\">([^<]*)</td>"),
              firstMatch(details, "通算収支：</td><td class=\"\\w+\">([^<]*)</td>"));
    EXPECT_EQ(firstMatch(summary, "1戦あたり収支：</td><td class=\"recent\">([-0-9,]+) 円"),
              firstMatch(details, "1戦あたり収支：</td><td class=\"recent\">([-0-9,]+) 円"));
    EXPECT_NE(summary.find("<tr><td>4人打ち</td><td class=\"rank\">2 戦</td><td class=\"rank\">1.00 位</td>"
                           "<td class=\"rank\">100.0 %</td><td class=\"rank\">100.0 %</td><td class=\"rank\">0.0 %</td>"),
              std::string::npos);
    EXPECT_NE(record.find("<td class=\"rank\">  1.67 位</td>"), std::string::npos);
    EXPECT_NE(summary.find("<tr><td>3人打ち</td><td class=\"rank\">3 戦</td><td class=\"rank\">1.67 位</td>"
                           "<td class=\"rank\">33.3 %</td><td class=\"rank\">100.0 %</td><td class=\"rank\">0.0 %</td>"),
              std::string::npos);
    EXPECT_NE(summary.find("最近の調子（3人打ち）：対局が100戦に満たないため"), std::string::npos);

    // 60 last places, then 60 first places: the verdicts the section gives, in one line.
    std::string log;
    for (int n = 0; n < 120; n++)
        log += n < 60 ? gameEntry("一般(点100)：卓>", '1', {"Me", "A", "B", "C"}, resultLine({{4, -25}, {1, 30}, {2, 10}, {3, -15}}))
                      : plainGame();
    ASSERT_EQ(analyseLog(log), 1);
    summary = captureReport(writeSummarySection);
    details = captureReport(writeDetailsSection);
    EXPECT_NE(summary.find("最近の調子（4人打ち）：直近60戦をそれ以前の60戦と比べて、平均順位は向上、平均得点は向上、"
                           "1戦あたり収支は向上、トップ率は向上、ラス率は向上<BR>"), std::string::npos);
    EXPECT_EQ(occurrences(details, "<td class=\"recent\">向上</td></tr>"), 5);
}

// Fewer than 20 games: every one of them, newest first, and no row left over from the ring's slots.
TEST(SummarySection, LatestGamesOfARunWithFewerThan20)
{
    RunFolder folder;
    useTestSettings();
    settings.details = 1;
    ASSERT_EQ(analyseLog(plainGame("古い(点100)：卓01>") + threePlayerGame(1, 20) + plainGame("新しい(点50)：卓03>")), 1);
    std::string html = captureReport(writeLatestGamesSection);
    EXPECT_NE(html.find("さんの最新の3局（新しい順）"), std::string::npos);
    EXPECT_EQ(occurrences(html, "<tr><td>2024/03/15</td><td>21:05</td>"), 3);
    EXPECT_LT(html.find("新しい</td><td class=\"mony\">50</td><td class=\"center\">4人</td>"),
              html.find("三人</td><td class=\"mony\">100</td><td class=\"center\">3人</td>"));
    EXPECT_LT(html.find("三人</td>"), html.find("古い</td>"));
    EXPECT_NE(html.find("<td class=\"plus\">2,000 円</td><td class=\"id\" style=\"white-space: normal;\">A、B</td>"),
              std::string::npos) << "the three-player game's money and its two opponents";
}

// A three-player run: three places, their shares as text for a screen reader, the bar filled whole.
TEST(SummarySection, RankBarsOfAThreePlayerRun)
{
    PlaceSums sums = {5, {2, 2, 1, 0}, 9, 0};
    std::string svg = captureReport([&] { writeRankBars(colorSchemeFor(0), &sums, KIND_THREE); });
    EXPECT_NE(svg.find("aria-label=\"3人打ちの順位分布：1位 40.0 %、2位 40.0 %、3位 20.0 %\""), std::string::npos);
    EXPECT_EQ(svg.find("4位"), std::string::npos);
    EXPECT_EQ(occurrences(svg, "<rect "), 6) << "three pieces of the bar, three legend squares";
    EXPECT_NE(svg.find("<rect x=\"320.0\" y=\"0.5\" width=\"80.0\""), std::string::npos) << "the last piece ends at 400";
}
