#include "report/SummarySection.h"

#include "analysis/RunState.h"
#include "report/AmountText.h"
#include "report/ColorScheme.h"
#include "report/ConditionLines.h"
#include "report/DetailsSection.h"
#include "report/RankBars.h"
#include "report/ReportDocument.h"
#include "settings/Settings.h"

#include <stdio.h>

// The money over every game and per game, as the detailed section gives them.
static void writeMoney(void)
{
    const ConditionSums* total = &run.detailedStats.total;
    char money[400];
    char perGame[400];
    formatGrouped(money, sizeof money, total->money, 0);
    formatGrouped(perGame, sizeof perGame, total->money / total->games, 0);
    reportPrintf("<table cellspacing=\"0\">\n<tr><td>通算収支：</td><td class=\"%s\">%s 円</td>",
                 total->money < 0.0 ? "minus" : "plus", money);
    reportPrintf("<td>1戦あたり収支：</td><td class=\"recent\">%s 円</td></tr>\n</table>\n", perGame);
}

static double percentOf(int count, int games)
{
    return 100.0 * count / games;
}

// One row of the place figures of a kind, over its own games.
static void writeKindRow(int kind)
{
    const PlaceSums* sums = &run.playerTotals.kinds[kind];
    int games = sums->games;
    reportPrintf("<tr><td>%s</td><td class=\"rank\">%d 戦</td><td class=\"rank\">%.2f 位</td>", kindName(kind), games,
                 (double)sums->rankSum / games);
    reportPrintf("<td class=\"rank\">%.1f %%</td><td class=\"rank\">%.1f %%</td><td class=\"rank\">%.1f %%</td></tr>\n",
                 percentOf(sums->rankCounts[0], games), percentOf(sums->rankCounts[0] + sums->rankCounts[1], games),
                 percentOf(sums->rankCounts[kindSeats(kind) - 1], games));
}

// Per kind with games: its figures, its bar and its verdict of 最近の調子.
static void writeKinds(void)
{
    const PlaceSums* kinds = run.playerTotals.kinds;
    reportPrintf("<table cellspacing=\"0\">\n<tr><td></td><td class=\"center\">対局数</td>"
                 "<td class=\"center\">平均順位</td><td class=\"center\">トップ率</td>"
                 "<td class=\"center\">連対率</td><td class=\"center\">ラス率</td></tr>\n");
    for (int kind = 0; kind < GAME_KINDS; kind++)
        if (kinds[kind].games) writeKindRow(kind);
    reportPrintf("</table>\n");
    const ColorScheme* scheme = colorSchemeFor(settings.colorScheme);
    reportPrintf("<table cellspacing=\"0\">\n");
    for (int kind = 0; kind < GAME_KINDS; kind++) {
        if (!kinds[kind].games) continue;
        reportPrintf("<tr><td valign=\"top\">%s</td><td>\n", kindName(kind));
        writeRankBars(scheme, &kinds[kind], kind);
        reportPrintf("</td></tr>\n");
    }
    reportPrintf("</table>\n");
    for (int kind = 0; kind < GAME_KINDS; kind++) {
        if (!kinds[kind].games) continue;
        char verdict[256];
        formatFormVerdict(verdict, sizeof verdict, kind);
        reportPrintf("最近の調子（%s）：%s<BR>\n", kindName(kind), verdict);
    }
}

void writeSummarySection(void)
{
    // A frame of the text's colour sets the box apart from the record below it.
    reportPrintf("<div class=\"indentmargin\" id=\"summary\""
                 " style=\"border: 1px solid; padding: 4 10 4 10; display: inline-block;\">\n");
    writeMoney();
    writeKinds();
    writeConditionLines();
    reportPrintf("</div>\n");
}
