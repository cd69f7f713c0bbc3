#include "report/PlayerRecordSection.h"

#include "analysis/GameEntryParser.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerStats.h"
#include "analysis/RunState.h"
#include "report/ConditionLines.h"
#include "report/HtmlText.h"
#include "report/ReportDocument.h"
#include "report/SummarySection.h"
#include "settings/Settings.h"

// Range, number of games with wins, losses and draws, and the number of opponents.
static void writeCounts(void)
{
    const PlayerTotals* t = &run.playerTotals;
    writeRangeLine();
    writeConditionLines();
    reportPrintf("闘牌回数：<span style=\"font-size:20\">%6d</span> 回", t->games);
    reportPrintf(" （ <span style=\"font-size:20\">%d</span> 勝 <span style=\"font-size:20\">%d</span> 敗 <span style=\"font-size:20\">%d</span> 引分 ）<BR>\n",
                 t->wins, t->losses, t->draws);
    reportPrintf("延べ対戦人数：<span style=\"font-size:20\">%6d</span> 人\n", opponentCount(&run.opponentTable));
}

// The left cell: averages, best and worst score.
static void writeAverages(void)
{
    const PlayerTotals* t = &run.playerTotals;
    reportPrintf("<table cellspacing=\"0\">\n");
    reportPrintf("<tr><td>平均順位：</td><td class=\"rank\">%6.2f 位</td></tr>\n", (double)t->rankSum / t->games);
    reportPrintf("<tr><td>平均得点：</td><td class=\"rank\">%6.2f 点</td></tr>\n", (double)t->scoreSum / t->games);
    reportPrintf("<tr><td>最高得点：</td><td class=\"rank\">%d 点</td></tr>\n", t->bestScore);
    reportPrintf("<tr><td>最低得点：</td><td class=\"rank\">%d 点</td></tr>\n", t->worstScore);
    reportPrintf("</table>\n");
}

// The right cell: the rate of each finishing rank, one row per seat of the kind of the player's games.
static void writeRankRates(void)
{
    const PlayerTotals* t = &run.playerTotals;
    int ranks = kindSeats(singleKind(t->kinds));
    reportPrintf("<table cellspacing=\"0\">\n");
    for (int r = 1; r <= ranks; r++)
        reportPrintf("<tr><td>%d位率：</td><td class=\"rank\">%04.1f %%</td></tr>\n",
                     r, (double)t->rankCounts[r - 1] / t->games * 100);
    reportPrintf("</table>\n");
}

// A history of both kinds, left cell: the averages and the rank rates with a column per kind, each
// over its own games ("―" for a rank the kind lacks), so that each column sums to 100 %.
static void writeKindColumns(void)
{
    const PlaceSums* kinds = run.playerTotals.kinds;
    reportPrintf("<table cellspacing=\"0\">\n<tr><td></td>");
    for (int k = 0; k < GAME_KINDS; k++)
        reportPrintf("<td class=\"center\">%s（%d 戦）</td>", kindName(k), kinds[k].games);
    reportPrintf("</tr>\n<tr><td>平均順位：</td>");
    for (int k = 0; k < GAME_KINDS; k++)
        reportPrintf("<td class=\"rank\">%6.2f 位</td>", (double)kinds[k].rankSum / kinds[k].games);
    reportPrintf("</tr>\n<tr><td>平均得点：</td>");
    for (int k = 0; k < GAME_KINDS; k++)
        reportPrintf("<td class=\"rank\">%6.2f 点</td>", (double)kinds[k].scoreSum / kinds[k].games);
    reportPrintf("</tr>\n");
    for (int r = 1; r <= 4; r++) {
        reportPrintf("<tr><td>%d位率：</td>", r);
        for (int k = 0; k < GAME_KINDS; k++) {
            double rate = (double)kinds[k].rankCounts[r - 1] / kinds[k].games * 100;
            if (r > kindSeats(k)) reportPrintf("<td class=\"rank\">―</td>");
            else reportPrintf("<td class=\"rank\">%04.1f %%</td>", rate);
        }
        reportPrintf("</tr>\n");
    }
    reportPrintf("</table>\n");
}

// A history of both kinds, right cell: the records, which do not depend on the seats.
static void writeRecords(void)
{
    reportPrintf("<table cellspacing=\"0\">\n");
    reportPrintf("<tr><td>最高得点：</td><td class=\"rank\">%d 点</td></tr>\n", run.playerTotals.bestScore);
    reportPrintf("<tr><td>最低得点：</td><td class=\"rank\">%d 点</td></tr>\n", run.playerTotals.worstScore);
    reportPrintf("</table>\n");
}

void writePlayerRecordSection(void)
{
    char id[HTML_ID_SIZE];
    escapeHtml(id, sizeof id, playerDisplayId(&run.player));
    reportPrintf("<h3>☆ %sさんの戦績 ☆</h3>\n", id);
    if (settings.details) writeSummarySection();
    reportPrintf("<div class=\"indent\">\n");
    writeCounts();
    reportPrintf("<div class=\"indentmargin\">\n");
    reportPrintf("<table>\n");
    reportPrintf("<tr><td valign=top>\n");
    int mixed = singleKind(run.playerTotals.kinds) < 0;
    if (mixed) writeKindColumns();
    else writeAverages();
    reportPrintf("</td><td valign=top>\n");
    if (mixed) writeRecords();
    else writeRankRates();
    reportPrintf("</td></tr>\n");
    reportPrintf("</table>\n");
    reportPrintf("</div>\n");
    reportPrintf("連勝記録：<span style=\"font-size:20\">%d</span> ，連敗記録：<span style=\"font-size:20\">%d</span><BR>\n",
                 run.playerTotals.longestWinStreak, run.playerTotals.longestLossStreak);
    reportPrintf("</div>\n");
}
