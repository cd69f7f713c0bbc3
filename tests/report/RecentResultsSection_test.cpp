#include "report/RecentResultsSection.h"

#include "analysis/RunState.h"
#include "support/ReportCapture.h"

static const char SECTION_START[] =
    "<h3>☆ abcさんの最近の戦績 ☆</h3>\n"
    "<div class=\"indentmargin\">\n"
    "<table cellspacing=\"0\">\n"
    "<tr><td></td><td colspan=3 style=\"text-align: center\">通算の戦績</td><td class=center>勝率&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>"
    "<td colspan=3 style=\"text-align: center\">20戦ごとの戦績</td><td class=center>勝率</td></tr>\n";

// Feeds results (oldest first) into the ring the way the statistics do, starting at slot `start`,
// and sets the current streaks from the latest results.
static void playResults(const std::vector<int>& results, int start = 0)
{
    resetRunStateForReport();
    for (int i = 0; i < RECENT_SLOTS; i++) run.recentResults.slots[i] = 7777;   // stale slots of an earlier run
    run.recentResults.next = start;
    for (int result : results) {
        run.recentResults.slots[run.recentResults.next] = result;
        run.recentResults.next = (run.recentResults.next + 1) % RECENT_SLOTS;
        run.playerTotals.games++;
        if (result > 0) {
            run.playerTotals.currentWinStreak++;
            run.playerTotals.currentLossStreak = 0;
        } else if (result < 0) {
            run.playerTotals.currentLossStreak++;
            run.playerTotals.currentWinStreak = 0;
        } else {
            run.playerTotals.currentWinStreak = run.playerTotals.currentLossStreak = 0;
        }
    }
}

// count copies of result.
static std::vector<int> repeat(int count, int result)
{
    return std::vector<int>((size_t)count, result);
}

static std::vector<int> join(std::vector<std::vector<int>> parts)
{
    std::vector<int> all;
    for (const std::vector<int>& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

static std::string recentSection(void)
{
    return captureReport([] { writeRecentResultsSection(); });
}

// The rows of the table only (between the header row and "</table>").
static std::vector<std::string> tableRows(const std::string& section)
{
    std::vector<std::string> rows;
    for (const std::string& line : crlfLines(section))
        if (line.compare(0, 4, "<tr>") == 0 && line.find("recent") != std::string::npos) rows.push_back(line);
    return rows;
}

TEST(RecentResultsSection, TwentyGamesGiveOneRowByteForByte)
{
    // 12 wins, 7 losses and a draw, ending on two wins.
    playResults(join({ repeat(7, -5), { 0 }, repeat(12, 10) }));
    EXPECT_EQ(recentSection(), crlf(std::string(SECTION_START) +
        "<tr><td class=\"recent\">～20戦&nbsp;&nbsp;&nbsp;&nbsp;</td>"
        "<td class=\"recent\">12 勝</td><td class=\"recent\"> 7 敗</td><td class=\"recent\"> 1 分</td>"
        "<td class=\"recent\">（60.0%）&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>"
        "<td class=\"recent\">12 勝</td><td class=\"recent\"> 7 敗</td><td class=\"recent\"> 1 分</td>"
        "<td class=\"recent\">（60.0%）</td></tr>\n"
        "</table>\n"
        "<p>☆ 現在 <span style=\"font-size:20\">12</span> 連勝中 ☆</p>"
        "</div>\n"));
}

// A row from its nine cell texts, exactly as they are to be shown.
static std::string row(const std::vector<const char*>& cells)
{
    return std::string("<tr><td class=\"recent\">～") + cells[0] + "戦&nbsp;&nbsp;&nbsp;&nbsp;</td>" +
           "<td class=\"recent\">" + cells[1] + " 勝</td><td class=\"recent\">" + cells[2] +
           " 敗</td><td class=\"recent\">" + cells[3] + " 分</td>" +
           "<td class=\"recent\">（" + cells[4] + "%）&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>" +
           "<td class=\"recent\">" + cells[5] + " 勝</td><td class=\"recent\">" + cells[6] +
           " 敗</td><td class=\"recent\">" + cells[7] + " 分</td>" +
           "<td class=\"recent\">（" + cells[8] + "%）</td></tr>";
}

TEST(RecentResultsSection, RowsAndRates)
{
    struct Case {
        std::vector<int> results;   // oldest first
        int start;                  // the ring's next-write index before the first result
        std::vector<std::vector<const char*>> rows;
        const char* rule;
    } cases[] = {
        { repeat(19, 3), 0, {}, "fewer than 20 games: the header row only" },
        { join({ repeat(5, 1), repeat(15, -1), repeat(15, 1), repeat(5, -1) }), 0,
          { { "20", "15", " 5", " 0", "75.0", "15", " 5", " 0", "75.0" },
            { "40", "20", "20", " 0", "50.0", " 5", "15", " 0", "25.0" } },
          "40 games: the latest 20 with 15 wins, the 20 before with 5" },
        { join({ { 9 }, repeat(79, -2) }), 0,
          { { "20", " 0", "20", " 0", " 0.0", " 0", "20", " 0", " 0.0" },
            { "40", " 0", "40", " 0", " 0.0", " 0", "20", " 0", " 0.0" },
            { "60", " 0", "60", " 0", " 0.0", " 0", "20", " 0", " 0.0" },
            { "80", " 1", "79", " 0", " 1.2", " 1", "19", " 0", " 5.0" } },
          "80 games with one win: 1.25 is written 1.2" },
        { join({ repeat(50, 0), repeat(45, 1), repeat(55, -1) }), 37,
          { { "20", " 0", "20", " 0", " 0.0", " 0", "20", " 0", " 0.0" },
            { "40", " 0", "40", " 0", " 0.0", " 0", "20", " 0", " 0.0" },
            { "60", " 5", "55", " 0", " 8.3", " 5", "15", " 0", "25.0" },
            { "80", "25", "55", " 0", "31.2", "20", " 0", " 0", "100.0" },
            { "100", "45", "55", " 0", "45.0", "20", " 0", " 0", "100.0" } },
          "150 games: five rows over the latest 100, walking across the ring's wrap" },
        { join({ repeat(30, 1), repeat(25, 0) }), 99,
          { { "20", " 0", " 0", "20", " 0.0", " 0", " 0", "20", " 0.0" },
            { "40", "15", " 0", "25", "37.5", "15", " 0", " 5", "75.0" } },
          "55 games: rows for 20 and 40 only; slot 99 is written first" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        playResults(c.results, c.start);
        std::vector<std::string> rows = tableRows(recentSection());
        ASSERT_EQ(rows.size(), c.rows.size());
        for (size_t i = 0; i < rows.size(); i++) EXPECT_EQ(rows[i], row(c.rows[i]));
    }
}

TEST(RecentResultsSection, StreakLine)
{
    struct Case {
        std::vector<int> results;
        const char* ending;
        const char* rule;
    } cases[] = {
        { { 5, 5, 5 }, "</table>\n<p>☆ 現在 <span style=\"font-size:20\">3</span> 連勝中 ☆</p></div>\n", "win streak" },
        { { -5, 5 }, "</table>\n<p>☆ 現在 <span style=\"font-size:20\">1</span> 連勝中 ☆</p></div>\n", "a single win after a loss" },
        { { 5, -1, -1 }, "</table>\n<p>★ 現在 <span style=\"font-size:20\">2</span> 連敗中 ★</p></div>\n", "loss streak" },
        { { 5, 5, 5, 5, 0 }, "</table>\n</div>\n", "a draw after a run of wins: no line at all" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        playResults(c.results);
        std::string section = recentSection();
        std::string ending = crlf(c.ending);
        ASSERT_GE(section.size(), ending.size());
        EXPECT_EQ(section.substr(section.size() - ending.size()), ending);
    }
}
