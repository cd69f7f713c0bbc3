#include "report/OpponentSections.h"

#include "analysis/OpponentTable.h"
#include "analysis/RivalGames.h"
#include "analysis/RunState.h"
#include "report/HtmlText.h"
#include "report/OpponentOrder.h"
#include "report/ReportDocument.h"
#include "report/RivalsPage.h"
#include "settings/Settings.h"
#include "text/Numbers.h"
#include "text/Text.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

void writeAmount(float balance)
{
    if (balance < 0) reportPrintf("-");
    // "%.0f" of a whole number gives its exact digits, however large the float.
    char digits[64];
    char grouped[96];
    snprintf(digits, sizeof digits, "%.0f", trunc(fabs((double)balance)));
    groupDigits(grouped, sizeof grouped, digits);
    reportPrintf("%s", grouped);
}

static const char* rivalsPageHref;

void linkOpponentNames(const char* pageHref)
{
    rivalsPageHref = pageHref;
}

void writeOpponentName(const char* name)
{
    char escaped[HTML_ID_SIZE];
    escapeHtml(escaped, sizeof escaped, name);
    if (rivalsPageHref && findRival(&run.rivalGames, name)) {
        char anchor[RIVAL_ANCHOR_SIZE];
        formatRivalAnchor(anchor, name);
        reportPrintf("<a href=\"%s#%s\">%s</a>", rivalsPageHref, anchor, escaped);
    } else {
        reportPrintf("%s", escaped);
    }
}

void writeOpponentRow(const OpponentRecord* record, int number, RowEnd rowEnd)
{
    reportPrintf("<tr>");
    reportPrintf("<td class=\"mony\">%2d：</td>", number);
    reportPrintf("<td class=\"id\">");
    writeOpponentName(record->name);
    reportPrintf("</td>");
    reportPrintf("<td class=\"mony\">%d 回</td>", record->games);
    reportPrintf("<td class=\"mony\">%d/</td>", record->above);
    reportPrintf("<td class=\"mony\">%d</td>", record->below);
    reportPrintf("%s", record->balance >= 0 ? "<td class=\"plus\">" : "<td class=\"minus\">");
    writeAmount(record->balance);
    switch (rowEnd) {
    case ROW_END_MOST_PLAYED:
        reportPrintf(" 円</td>");
        reportPrintf("</tr>\n");
        break;
    case ROW_END_TOP:
        reportPrintf(" 円</td></tr>\n");
        break;
    case ROW_END_WORST:
        reportPrintf("円</td></tr>\n");
        break;
    }
}

enum ColumnKind { COLUMN_MOST_PLAYED, COLUMN_TOP, COLUMN_WORST };

// Opens a column: its own table inside a cell of the section's table, with its header row.
static void openColumn(ColumnKind kind)
{
    reportPrintf("<td valign=\"top\">\n");
    reportPrintf("<table cellspacing=\"0\">\n");
    if (kind == COLUMN_TOP) reportPrintf("<tr><td></td><td><strong>トップ２０</strong></td></tr>\n");
    if (kind == COLUMN_WORST) reportPrintf("<tr><td></td><td><strong>ワースト２０</strong></td></tr>\n");
    reportPrintf("<tr><td></td>\n");
    reportPrintf("<td class=\"id\">ID</td>");
    reportPrintf("<td class=\"center\">回数</td>");
    reportPrintf("<td align=\"right\">勝/</td>");
    // Kept as written: the misspelt attribute and the stray quote are in every earlier report.
    reportPrintf("<td arlign=left\">負</td>");
    reportPrintf("<td class=\"center\">収支</td>\n");
    reportPrintf("</tr>\n");
}

static void closeColumn(void)
{
    reportPrintf("</table>\n");
    reportPrintf("</td>\n");
}

static void openSection(void)
{
    reportPrintf("<div class=\"indent\">\n");
    reportPrintf("<table cellspacing=\"0\"><tr>\n");
}

static void closeSection(void)
{
    reportPrintf("</tr>\n</table>\n");
    reportPrintf("</div>\n");
}

void writeMostPlayedList(const OpponentPicks* picks)
{
    char id[HTML_ID_SIZE];
    escapeHtml(id, sizeof id, playerDisplayId(&run.player));
    reportPrintf("<h3>☆ %sさんと、たくさん遊んでくれた人 ＴＯＰ３０ ☆</h3>\n", id);
    openSection();
    const int* chosen = picks->chosen[ORDER_BY_GAMES][0];
    int n = picks->count[ORDER_BY_GAMES][0];
    for (int column = 0; column < 2; column++) {
        openColumn(COLUMN_MOST_PLAYED);
        int first = column * MOST_PLAYED_COLUMN_ROWS;
        for (int p = first; p < first + MOST_PLAYED_COLUMN_ROWS && p < n; p++)
            writeOpponentRow(&run.opponentTable.records[chosen[p]], p + 1, ROW_END_MOST_PLAYED);
        closeColumn();
        if (first + MOST_PLAYED_COLUMN_ROWS >= n) break;
    }
    closeSection();
}

// A ranking: the first 20 records of the order beside its last 20, last first.
static void writeRanking(const OpponentPicks* picks, int kind, const char* heading)
{
    reportPrintf("%s", heading);
    openSection();
    for (int fromEnd = 0; fromEnd < 2; fromEnd++) {
        openColumn(fromEnd ? COLUMN_WORST : COLUMN_TOP);
        for (int i = 0; i < picks->count[kind][fromEnd]; i++)
            writeOpponentRow(&run.opponentTable.records[picks->chosen[kind][fromEnd][i]], i + 1,
                             fromEnd ? ROW_END_WORST : ROW_END_TOP);
        closeColumn();
    }
    closeSection();
}

void writeBalanceRanking(const OpponentPicks* picks)
{
    writeRanking(picks, ORDER_BY_BALANCE, "<h3>☆ トータル収支ランキング ☆</h3>\n");
}

void writeMarginRanking(const OpponentPicks* picks)
{
    writeRanking(picks, ORDER_BY_MARGIN, "<h3>☆ 勝ち越し・負け越しランキング ☆</h3>\n");
}
