#include "report/TrendsSection.h"

#include "support/ReportCapture.h"
#include "analysis/MonthlySummary.h"
#include "analysis/TrendSeries.h"

#include <regex>

// A log whose every game is a month of its own used to take the square of its games; the page shows
// the newest 1,200 months and says how many it left out.
TEST(TrendsSection, TheMonthlyTableShowsAtMost1200Months)
{
    resetRunStateForReport();
    for (int n = 0; n < 1300; n++) {
        char date[16];
        snprintf(date, sizeof date, "%07d", 9999999 - n);
        addGameToMonth(&run.monthlySummary, date, KIND_FOUR, 1, 10, 100.0);
        addGameToTrendSeries(&run.trendSeries, 1, 100.0);
    }
    std::string html = captureReport(writeTrendsSection);
    EXPECT_EQ(occurrences(html, "<tr><td class=\"recent\">"), 1200);
    EXPECT_NE(html.find("<p>1300か月分のうち、新しい1200か月分だけを載せています（古い100か月分は月別集計ファイルにあります）。</p>"),
              std::string::npos);
    EXPECT_LT(html.find("9999999"), html.find("9998800"));
    EXPECT_EQ(html.find("9998799"), std::string::npos);
    // With both kinds a month's two rows are one of the 1,200 months.
    resetRunStateForReport();
    for (int n = 0; n < 2600; n++) {
        addGameToMonth(&run.monthlySummary, std::to_string(9999999 - n / 2).c_str(), n % 2, 1, 10, 100.0);
        addGameToTrendSeries(&run.kindTrends[n % 2], 1, 100.0);
        addToPlaceSums(&run.playerTotals.kinds[n % 2], 1, 10);
    }
    addGameToTrendSeries(&run.trendSeries, 1, 100.0);
    html = captureReport(writeTrendsSection);
    EXPECT_EQ(occurrences(html, "<tr><td class=\"recent\">"), 2400);
    EXPECT_NE(html.find("<p>1300か月分のうち、新しい1200か月分だけを"), std::string::npos);
}

// Whatever the balance and the ranks, both charts are drawn and every point of their lines lies
// inside the drawing (760 x 240): no division by an empty range, no NaN.
TEST(TrendsSection, ChartsStayInsideTheirDrawing)
{
    struct Case {
        int games;
        double money;   // per game
        int rank;
        const char* rule;
    };
    const Case cases[] = {
        {1, 0.0, 1, "a single game at rate 0"},
        {50, 0.0, 2, "a balance that stays 0"},
        {50, -1234.5, 4, "a balance that only falls"},
        {3000, 1e9, 9, "large amounts, merged buckets and a rank off the axis"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        resetRunStateForReport();
        copyText(settings.currentId, sizeof settings.currentId, "<x>");
        setPlayerIdentity(&run.player, settings.currentId);
        for (int n = 0; n < c.games; n++) {
            addGameToMonth(&run.monthlySummary, "2024/01/01", KIND_FOUR, c.rank, 10, c.money);
            addGameToTrendSeries(&run.trendSeries, c.rank, c.money);
        }
        std::string html = captureReport(writeTrendsSection);
        EXPECT_NE(html.find("<h3>☆ &lt;x&gt;さんの成績の推移 ☆</h3>\r\n"), std::string::npos);
        EXPECT_EQ(occurrences(html, "<svg "), 2);
        EXPECT_EQ(occurrences(html, "</svg>"), 2);
        EXPECT_EQ(html.find("nan"), std::string::npos);
        EXPECT_EQ(html.find("inf"), std::string::npos);
        std::regex point("(-?[0-9]+\\.[0-9]),(-?[0-9]+\\.[0-9])");   // the lines' "%.1f,%.1f"
        int points = 0;
        for (std::sregex_iterator at(html.begin(), html.end(), point), end; at != end; ++at, points++) {
            double x = std::stod((*at)[1]);
            double y = std::stod((*at)[2]);
            ASSERT_TRUE(x >= 0 && x <= 760 && y >= 0 && y <= 240) << (*at)[0];
        }
        EXPECT_GE(points, 3 * (c.games < TREND_POINTS ? c.games : TREND_POINTS / 2));
        // A moving average over fewer games than its window names the games it is over.
        std::string legend = c.games < 100 ? "全" + std::to_string(c.games) + "戦の平均 " : "直近100戦の平均 ";
        EXPECT_NE(html.find(legend), std::string::npos) << legend;
    }
}
