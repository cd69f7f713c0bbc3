#include "report/RivalsPage.h"

#include "analysis/RivalGames.h"
#include "analysis/RunState.h"
#include "report/ColorScheme.h"
#include "report/HtmlText.h"
#include "report/OpponentSections.h"
#include "report/Report.h"
#include "report/ReportDocument.h"
#include "settings/Settings.h"
#include "text/NumberText.h"

#include <math.h>

// The chart, in SVG user units.
enum {
    CHART_WIDTH = 560,
    CHART_HEIGHT = 150,
    PLOT_LEFT = 20,
    PLOT_RIGHT = 420,
    PLOT_TOP = 12,
    PLOT_BOTTOM = 138,
    POINTS_PER_LINE = 10
};

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

static const char* amountClass(double amount)
{
    return amount >= 0 ? "plus" : "minus";
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
        if (place >= ranks) reportPrintf("<td class=\"rank\">―</td>");
        else reportPrintf("<td class=\"rank\">%d 回 (%.1f%%)</td>", sums->rankCounts[place], rate);
    }
    reportPrintf("<td class=\"rank\">%.2f 位</td><td class=\"rank\">%.2f 点</td></tr>\n",
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

struct Scale {
    int games;
    double top, bottom;
};

static double xOf(const Scale* scale, int game)
{
    if (scale->games <= 1) return (PLOT_LEFT + PLOT_RIGHT) / 2.0;
    return PLOT_LEFT + (double)(game - 1) * (PLOT_RIGHT - PLOT_LEFT) / (scale->games - 1);
}

static double yOf(const Scale* scale, double value)
{
    return PLOT_TOP + (scale->top - value) / (scale->top - scale->bottom) * (PLOT_BOTTOM - PLOT_TOP);
}

// The running balance through the end of every bucket, the zero line dashed and the final value beside
// its point; the range always holds 0.
static void writeChart(const Rival* rival, const ColorScheme* scheme)
{
    if (rival->pointCount == 0) return;
    Scale scale = { rival->meetings, 0.0, 0.0 };
    for (int i = 0; i < rival->pointCount; i++) {
        scale.top = fmax(scale.top, rival->points[i].balance);
        scale.bottom = fmin(scale.bottom, rival->points[i].balance);
    }
    if (scale.top == scale.bottom) scale.top += 1.0;
    reportPrintf("<svg width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\" role=\"img\" aria-label=\"収支の推移\""
                 " font-size=\"12\" fill=\"%s\" style=\"display: block; margin: 6 0 6 0;\">\n",
                 CHART_WIDTH, CHART_HEIGHT, CHART_WIDTH, CHART_HEIGHT, scheme->body.color);
    double zero = yOf(&scale, 0.0);
    reportPrintf("<line x1=\"%d\" y1=\"%.1f\" x2=\"%d\" y2=\"%.1f\" stroke=\"%s\" stroke-dasharray=\"6 3\"/>\n",
                 PLOT_LEFT, zero, PLOT_RIGHT, zero, scheme->body.color);
    const RivalPoint* last = &rival->points[rival->pointCount - 1];
    const char* color = last->balance < 0 ? scheme->minus.color : scheme->plus.color;
    double x = xOf(&scale, last->game), y = yOf(&scale, last->balance);
    if (rival->pointCount == 1) reportPrintf("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"3.5\" fill=\"%s\"/>\n", x, y, color);
    reportPrintf("<polyline fill=\"none\" stroke=\"%s\" stroke-width=\"2.0\" stroke-linejoin=\"round\" points=\"",
                 scheme->plus.color);
    for (int i = 0; i < rival->pointCount; i++) {
        const char* separator = i == 0 ? "" : i % POINTS_PER_LINE == 0 ? "\n" : " ";
        reportPrintf("%s%.1f,%.1f", separator, xOf(&scale, rival->points[i].game),
                     yOf(&scale, rival->points[i].balance));
    }
    reportPrintf("\"/>\n");
    reportPrintf("<text x=\"%.1f\" y=\"%.1f\" fill=\"%s\" font-weight=\"bold\">", x + 8.0, y + 4.0, color);
    writeAmount(last->balance);
    reportPrintf(" 円</text>\n");
    reportPrintf("</svg>\n");
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
    formatWhole(share, sizeof share, game->share);
    reportPrintf("<tr><td>%s</td><td>%s</td><td class=\"id\">%s</td><td class=\"mony\">%d</td>", date, time, lobby,
                 game->rate);
    reportPrintf("<td class=\"rank\">%d位</td><td class=\"rank\">%+d</td>", game->playerRank, game->playerScore);
    reportPrintf("<td class=\"rank\">%d位</td><td class=\"rank\">%+d</td>", game->rank, game->score);
    reportPrintf("<td class=\"%s\">%s 円</td></tr>\n", amountClass(game->share), share);
}

static void writeRecentGames(const Rival* rival)
{
    int shown = rival->meetings < RIVAL_RECENT_GAMES ? rival->meetings : RIVAL_RECENT_GAMES;
    reportPrintf("<h4>最近の%d局（新しい順）</h4>\n", shown);
    reportPrintf("<table cellspacing=\"0\">\n");
    reportPrintf("<tr><td>日付</td><td>時刻</td><td class=\"id\">ロビー</td><td class=\"center\">レート</td>"
                 "<td class=\"center\" colspan=\"2\">自分</td><td class=\"center\" colspan=\"2\">相手</td>"
                 "<td class=\"center\">収支</td></tr>\n");
    for (int i = 0; i < shown; i++) writeRecentGame(recentRivalGame(rival, i));
    reportPrintf("</table>\n");
}

static void writeSection(const Rival* rival, const ColorScheme* scheme)
{
    char name[HTML_ID_SIZE];
    char anchor[RIVAL_ANCHOR_SIZE];
    escapeHtml(name, sizeof name, rival->name);
    formatRivalAnchor(anchor, rival->name);
    reportPrintf("<hr>\n");
    reportPrintf("<h3 id=\"%s\">☆ %sさんとの対戦成績 ☆</h3>\n", anchor, name);
    reportPrintf("<div class=\"indent\">\n");
    writeFigures(rival);
    writePlaces(rival);
    writeChart(rival, scheme);
    writeRecentGames(rival);
    reportPrintf("</div>\n");
}

int writeRivalsPage(void)
{
    FILE* previous = reportStream;
    reportStream = run.outputs[OUTPUT_RIVALS].file.stream;
    char id[HTML_ID_SIZE];
    escapeHtml(id, sizeof id, settings.currentId);
    writeReportHead("Vornix ver. %s %sさんの対戦相手別の成績", programVersion, id);
    reportPrintf("<h3>☆ %sさんの対戦相手別の成績 ☆</h3>\n", id);
    const ColorScheme* scheme = colorSchemeFor(settings.colorScheme);
    for (int i = 0; i < run.rivalGames.count; i++) writeSection(&run.rivalGames.rivals[i], scheme);
    reportPrintf("<hr>\n");
    reportPrintf("</body></html>\n");
    reportStream = previous;
    return finishRunOutput(OUTPUT_RIVALS);
}
