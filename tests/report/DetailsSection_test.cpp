#include "report/DetailsSection.h"

#include "support/ReportCapture.h"
#include "analysis/GameIntake.h"

// Accepts n games of seats seats of the player at seat 0 with rank and score, the other seats balancing.
static void acceptGames(int n, int rank, int score, int seats = 4)
{
    for (int i = 0; i < n; i++) {
        GameEntry entry = {};
        entry.lobby = entry.room = "一般";
        entry.seatCount = seats;
        entry.seats[0] = Seat{"abc", rank, score, 0.0f, 0};
        entry.seats[1] = Seat{"A", rank == 1 ? 2 : 1, -score, 0.0f, 0};
        entry.seats[2] = entry.seats[3] = Seat{"B", 3, 0, 0.0f, 0};
        ASSERT_TRUE(acceptGame(&entry, &runIntake));
    }
}

TEST(DetailsSection, RangesShowFromTenGamesAndAVerdictOnlyWhenEarned)
{
    struct Case { int before, after; std::vector<const char*> present; const char* rule; int seats = 4; const char* absent = NULL; };
    const Case cases[] = {
        {9, 0, {"<td class=\"recent\">4.00 位</td><td class=\"recent\">—</td><td class=\"recent\">9 戦</td>",
                "<p>対局が100戦に満たないため、比べていません。</p>"}, "nine games: no range, no comparison"},
        {100, 100, {"<td class=\"center\">直近100戦</td><td class=\"center\">それ以前の100戦</td>",
                    "<tr><td>平均順位</td><td class=\"recent\">1.00 位</td><td class=\"recent\">4.00 位</td>"
                    "<td class=\"recent\">-3.00 順位</td><td class=\"recent\">向上</td></tr>",
                    "<td class=\"recent\">0 円</td><td class=\"recent\">はっきりした差はない</td>"},
         "100 games at rank 4, then 100 at rank 1"},
        {6, 6, {"トップ率（3人打ち）", "<td class=\"recent\">50.0</td><td class=\"recent\">―</td>"},
         "three-player games only: no four-player rate rows, no 4位率", 3, "<td>トップ率：</td>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        resetRunStateForReport();
        settings.details = 1;
        acceptGames(c.before, c.seats, -30, c.seats);
        acceptGames(c.after, 1, 30, c.seats);
        std::string html = captureReport(writeDetailsSection);
        for (const char* text : c.present) EXPECT_NE(html.find(text), std::string::npos) << text;
        if (c.absent) {
            EXPECT_EQ(html.find(c.absent), std::string::npos) << c.absent;
        }
    }
}
