#include "report/RivalsPage.h"

#include "analysis/RivalGames.h"
#include "analysis/RunState.h"
#include "report/AmountText.h"
#include "report/ColorScheme.h"
#include "report/ConditionLines.h"
#include "report/HtmlText.h"
#include "report/LatestGamesSection.h"
#include "report/LineChart.h"
#include "report/OpponentSections.h"
#include "report/Report.h"
#include "report/ReportDocument.h"
#include "platform/FileLink.h"
#include "settings/Settings.h"

#include <math.h>

void formatRivalAnchor(char out[RIVAL_ANCHOR_SIZE], const char* name)
{
    static const char digits[] = "0123456789abcdef";
    size_t used = 0;
    out[used++] = 'r';
    for (const unsigned char* at = (const unsigned char*)name; *at && used + 2 < RIVAL_ANCHOR_SIZE; at++) {
        out[used++] = digits[*at >> 4];
        out[used++] = digits[*at & 15];
    }
    out[used] = '\0';
}

// The cell class of an amount: a gain, a loss, or neither for one that shows as 0.
static const char* amountClass(double amount)
{
    if (fabs(amount) < 1.0) return "recent";
    return amount > 0 ? "plus" : "minus";
}

static void writeFigures(const Rival* rival)
{
    reportPrintf("<table cellspacing=\"0\">\n");
    reportPrintf("<tr><td>対局数</td><td class=\"mony\">%d 回</td></tr>\n", rival->games);
    reportPrintf("<tr><td>自分が上 / 相手が上</td><td class=\"mony\">%d / %d</td></tr>\n", rival->above,
                 rival->below);
    reportPrintf("<tr><td>収支</td><td class=\"%s\">", amountClass(rival->balance));
    writeAmount(rival->balance);
    reportPrintf(" 円</td></tr>\n");
    reportPrintf("</table>\n");
}

static void writePlacesRow(const char* who, const PlaceSums* sums, int ranks)
{
    int games = sums->games > 0 ? sums->games : 1;
    reportPrintf("<tr><td class=\"id\">%s</td>", who);
    for (int place = 0; place < 4; place++) {
        double rate = 100.0 * sums->rankCounts[place] / games;
        if (place >= ranks) reportPrintf("<td class=\"recent\">―</td>");
        else reportPrintf("<td class=\"recent\">%d 回 (%.1f%%)</td>", sums->rankCounts[place], rate);
    }
    reportPrintf("<td class=\"recent\">%.2f 位</td><td class=\"recent\">%.2f 点</td></tr>\n",
                 (double)sums->rankSum / games, (double)sums->scoreSum / games);
}

// The places of both in the shared games: one pair of rows, or, when the two met at tables of both
// kinds, a pair per kind named with its games (a place means something only among games of one
// number of seats).
static void writePlaces(const Rival* rival)
{
    int only = singleKind(rival->playerPlaces);
    reportPrintf("<table cellspacing=\"0\">\n");
    reportPrintf("<tr><td></td><td class=\"center\">1位</td><td class=\"center\">2位</td>"
                 "<td class=\"center\">3位</td><td class=\"center\">4位</td>"
                 "<td class=\"center\">平均順位</td><td class=\"center\">平均得点</td></tr>\n");
    for (int kind = 0; kind < GAME_KINDS; kind++) {
        if (only >= 0) {
            if (kind != only) continue;
            writePlacesRow("自分", &rival->playerPlaces[kind], 4);
            writePlacesRow("相手", &rival->places[kind], 4);
            continue;
        }
        reportPrintf("<tr><td class=\"id\" colspan=\"7\">%s（%d 戦）</td></tr>\n", kindName(kind),
                     rival->playerPlaces[kind].games);
        writePlacesRow("自分", &rival->playerPlaces[kind], kindSeats(kind));
        writePlacesRow("相手", &rival->places[kind], kindSeats(kind));
    }
    reportPrintf("</table>\n");
}

// The running balance through the end of every bucket, drawn like the report's.
static void writeChart(const Rival* rival, const ColorScheme* scheme)
{
    if (rival->pointCount == 0) return;
    int games[RIVAL_POINTS];
    double balances[RIVAL_POINTS];
    for (int i = 0; i < rival->pointCount; i++) {
        games[i] = rival->points[i].game;
        balances[i] = trunc(rival->points[i].balance);   // whole yen as the header writes them
    }
    ChartLine line = { games, balances, rival->pointCount };
    writeBalanceChart(scheme, "収支の推移", "この相手との収支（円）", rival->meetings, &line);
}

static void writeRecentGame(const RivalGame* game)
{
    char date[sizeof game->date * HTML_ESCAPE_GROWTH];
    char time[sizeof game->time * HTML_ESCAPE_GROWTH];
    char lobby[sizeof game->lobby * HTML_ESCAPE_GROWTH];
    char share[64];
    escapeHtml(date, sizeof date, game->date);
    escapeHtml(time, sizeof time, game->time);
    escapeHtml(lobby, sizeof lobby, game->lobby);
    formatGrouped(share, sizeof share, game->share, 0);
    reportPrintf("<tr><td>%s</td><td>%s</td><td class=\"id\">%s</td><td class=\"mony\">%d</td>", date, time, lobby,
                 game->rate);
    writePlayedIdCell(game->playerId, 0);
    reportPrintf("<td class=\"rank\">%d位</td><td class=\"rank\">%+d</td>", game->playerRank, game->playerScore);
    reportPrintf("<td class=\"rank\">%d位</td><td class=\"rank\">%+d</td>", game->rank, game->score);
    reportPrintf("<td class=\"%s\">%s 円</td></tr>\n", amountClass(game->share), share);
}

static void writeRecentGames(const Rival* rival)
{
    int shown = rival->meetings < RIVAL_RECENT_GAMES ? rival->meetings : RIVAL_RECENT_GAMES;
    reportPrintf("<h4>最近の%d局（新しい順）</h4>\n", shown);
    reportPrintf("<table cellspacing=\"0\">\n");
    reportPrintf("<tr><td>日付</td><td>時刻</td><td class=\"id\">ロビー</td><td class=\"center\">レート</td>");
    writePlayedIdCell(0, 1);
    reportPrintf("<td class=\"center\" colspan=\"2\">自分</td><td class=\"center\" colspan=\"2\">相手</td>"
                 "<td class=\"center\">収支</td></tr>\n");
    for (int i = 0; i < shown; i++) writeRecentGame(recentRivalGame(rival, i));
    reportPrintf("</table>\n");
}

enum { REPORT_HREF_SIZE = 4096 * HTML_ESCAPE_GROWTH };   // a percent-encoded name, escaped

// The way back from a section: to the page's index and to the report beside the page.
static void writeBackLinks(const char* reportHref)
{
    reportPrintf("<p><a href=\"#index\">目次へ戻る</a> ／ <a href=\"%s\">分析結果へ戻る</a></p>\n", reportHref);
}

static void writeSection(const Rival* rival, const ColorScheme* scheme, const char* reportHref)
{
    char name[HTML_ID_SIZE];
    char anchor[RIVAL_ANCHOR_SIZE];
    escapeHtml(name, sizeof name, rival->name);
    formatRivalAnchor(anchor, rival->name);
    reportPrintf("<hr>\n");
    reportPrintf("<h3 id=\"%s\">☆ %sさんとの対戦成績 ☆</h3>\n", anchor, name);
    reportPrintf("<div class=\"indent\">\n");
    writeBackLinks(reportHref);
    writeFigures(rival);
    writePlaces(rival);
    writeChart(rival, scheme);
    writeRecentGames(rival);
    reportPrintf("</div>\n");
}

// The index: every opponent of the page, in its order, linked to the section, with the games
// together and the balance.
static void writeIndex(void)
{
    reportPrintf("<h4 id=\"index\">目次（%d 人）</h4>\n", run.rivalGames.count);
    reportPrintf("<table cellspacing=\"0\">\n");
    reportPrintf("<tr><td></td><td class=\"id\">ID</td><td class=\"center\">回数</td>"
                 "<td class=\"center\">収支</td></tr>\n");
    for (int i = 0; i < run.rivalGames.count; i++) {
        const Rival* rival = &run.rivalGames.rivals[i];
        char name[HTML_ID_SIZE];
        char anchor[RIVAL_ANCHOR_SIZE];
        escapeHtml(name, sizeof name, rival->name);
        formatRivalAnchor(anchor, rival->name);
        reportPrintf("<tr><td class=\"mony\">%d：</td><td class=\"id\"><a href=\"#%s\">%s</a></td>", i + 1,
                     anchor, name);
        reportPrintf("<td class=\"mony\">%d 回</td><td class=\"%s\">", rival->games, amountClass(rival->balance));
        writeAmount(rival->balance);
        reportPrintf(" 円</td></tr>\n");
    }
    reportPrintf("</table>\n");
}

int writeRivalsPage(void)
{
    FILE* previous = reportStream;
    reportStream = runOutputs[OUTPUT_RIVALS].file.stream;
    char id[HTML_ID_SIZE];
    escapeHtml(id, sizeof id, playerDisplayId(&run.player));
    static char link[4096];
    static char reportHref[REPORT_HREF_SIZE];
    formatSiblingLink(link, sizeof link, REPORT_FILE_NAME);
    escapeHtml(reportHref, sizeof reportHref, link);
    writeReportHead("Vornix ver. %s %sさんの対戦相手別の成績", programVersion, id);
    reportPrintf("<h3>☆ %sさんの対戦相手別の成績 ☆</h3>\n", id);
    reportPrintf("<div class=\"indent\">\n");
    writeRangeLine();
    writeConditionLines();
    reportPrintf("<p><a href=\"%s\">分析結果へ戻る</a></p>\n", reportHref);
    writeIndex();
    reportPrintf("</div>\n");
    const ColorScheme* scheme = colorSchemeFor(settings.colorScheme);
    for (int i = 0; i < run.rivalGames.count; i++) writeSection(&run.rivalGames.rivals[i], scheme, reportHref);
    reportPrintf("<hr>\n");
    reportPrintf("</body></html>\n");
    reportStream = previous;
    return finishRunOutput(OUTPUT_RIVALS);
}
