#include "report/RecentResultsSection.h"

#include "analysis/PlayerStats.h"
#include "analysis/RunState.h"
#include "report/HtmlText.h"
#include "report/ReportDocument.h"
#include "settings/Settings.h"

#include <assert.h>

enum { BLOCK_GAMES = 20 };

struct Tally {
    int wins;
    int losses;
    int draws;
};

static void count(Tally* tally, int result)
{
    if (result > 0) tally->wins++;
    else if (result < 0) tally->losses++;
    else tally->draws++;
}

// One row: the latest `games` games in all, and the block of 20 that ends with them.
static void writeRow(int games, const Tally* all, const Tally* block)
{
    reportPrintf("<tr>");
    reportPrintf("<td class=\"recent\">～%2d戦&nbsp;&nbsp;&nbsp;&nbsp;</td>", games);
    reportPrintf("<td class=\"recent\">%2d 勝</td>", all->wins);
    reportPrintf("<td class=\"recent\">%2d 敗</td>", all->losses);
    reportPrintf("<td class=\"recent\">%2d 分</td>", all->draws);
    // The cell shows the rate followed by a plain percent sign.
    reportPrintf("<td class=\"recent\">（%4.1f%%）&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>", all->wins * 100.0 / games);
    reportPrintf("<td class=\"recent\">%2d 勝</td>", block->wins);
    reportPrintf("<td class=\"recent\">%2d 敗</td>", block->losses);
    reportPrintf("<td class=\"recent\">%2d 分</td>", block->draws);
    reportPrintf("<td class=\"recent\">（%4.1f%%）</td>", block->wins * 5.0);
    reportPrintf("</tr>\n");
}

// Walks the ring back from the latest result; a row after every 20 games, up to 100.
static void writeRows(void)
{
    Tally all = { 0, 0, 0 };
    Tally block = { 0, 0, 0 };
    int slot = run.recentResults.next;
    assert(slot >= 0 && slot < RECENT_SLOTS);
    for (int i = 1; i <= run.playerTotals.games && i <= RECENT_SLOTS; i++) {
        slot = slot == 0 ? RECENT_SLOTS - 1 : slot - 1;
        int result = run.recentResults.slots[slot];
        count(&all, result);
        count(&block, result);
        if (i % BLOCK_GAMES != 0) continue;
        writeRow(i, &all, &block);
        block = Tally{ 0, 0, 0 };
    }
}

static void writeStreakLine(void)
{
    if (run.playerTotals.currentWinStreak > 0)
        reportPrintf("<p>☆ 現在 <span style=\"font-size:20\">%d</span> 連勝中 ☆</p>", run.playerTotals.currentWinStreak);
    else if (run.playerTotals.currentLossStreak > 0)
        reportPrintf("<p>★ 現在 <span style=\"font-size:20\">%d</span> 連敗中 ★</p>", run.playerTotals.currentLossStreak);
}

void writeRecentResultsSection(void)
{
    char id[HTML_ID_SIZE];
    escapeHtml(id, sizeof id, playerDisplayId(&run.player));
    reportPrintf("<h3>☆ %sさんの最近の戦績 ☆</h3>\n", id);
    reportPrintf("<div class=\"indentmargin\">\n");
    reportPrintf("<table cellspacing=\"0\">\n");
    reportPrintf("<tr><td></td><td colspan=3 style=\"text-align: center\">通算の戦績</td><td class=center>勝率&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>");
    reportPrintf("<td colspan=3 style=\"text-align: center\">20戦ごとの戦績</td><td class=center>勝率</td></tr>\n");
    writeRows();
    reportPrintf("</table>\n");
    writeStreakLine();
    reportPrintf("</div>\n");
}
