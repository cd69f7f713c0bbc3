#include "report/LatestGamesSection.h"

#include "analysis/LatestGames.h"
#include "analysis/RunState.h"
#include "report/AmountText.h"
#include "report/HtmlText.h"
#include "report/OpponentSections.h"
#include "report/ReportDocument.h"
#include "settings/Settings.h"

#include <math.h>

void writePlayedIdCell(int playerId, int heading)
{
    if (run.player.count < 2) return;
    if (heading) {
        reportPrintf("<td class=\"id\">自分のID</td>");
        return;
    }
    char id[HTML_ID_SIZE];
    escapeHtml(id, sizeof id, run.player.ids[playerId]);
    reportPrintf("<td class=\"id\">%s</td>", id);
}

static void writeGame(const LatestGame* game)
{
    char date[sizeof game->date * HTML_ESCAPE_GROWTH];
    char time[sizeof game->time * HTML_ESCAPE_GROWTH];
    char lobby[sizeof game->lobby * HTML_ESCAPE_GROWTH];
    char money[400];
    escapeHtml(date, sizeof date, game->date);
    escapeHtml(time, sizeof time, game->time);
    escapeHtml(lobby, sizeof lobby, game->lobby);
    formatGrouped(money, sizeof money, game->money, 0);
    const char* moneyClass = fabs(game->money) < 0.5 ? "recent" : game->money < 0.0 ? "minus" : "plus";
    reportPrintf("<tr><td>%s</td><td>%s</td><td class=\"id\">%s</td><td class=\"mony\">%d</td>", date, time, lobby,
                 game->rate);
    reportPrintf("<td class=\"center\">%d人</td>", game->seatCount);
    writePlayedIdCell(game->playerId, 0);
    reportPrintf("<td class=\"recent\">%d位</td><td class=\"recent\">%+d</td>", game->rank, game->score);
    reportPrintf("<td class=\"%s\">%s 円</td>", moneyClass, money);
    // The names may wrap, so that a row of three of them still fits a window of 800 pixels.
    reportPrintf("<td class=\"id\" style=\"white-space: normal;\">");
    for (int i = 0; i < game->seatCount - 1 && i < MAX_SEATS - 1; i++) {
        if (i) reportPrintf("、");
        writeOpponentName(game->opponents[i]);
    }
    reportPrintf("</td></tr>\n");
}

void writeLatestGamesSection(void)
{
    const LatestGames* latest = &run.latestGames;
    int shown = latestGameCount(latest);
    char id[HTML_ID_SIZE];
    escapeHtml(id, sizeof id, playerDisplayId(&run.player));
    reportPrintf("<h3 id=\"latest\">☆ %sさんの最新の%d局（新しい順） ☆</h3>\n", id, shown);
    reportPrintf("<div class=\"indent\">\n<table cellspacing=\"0\">\n");
    reportPrintf("<tr><td>日付</td><td>時刻</td><td class=\"id\">ロビー</td><td class=\"center\">レート</td>"
                 "<td class=\"center\">人数</td>");
    writePlayedIdCell(0, 1);
    reportPrintf("<td class=\"center\" colspan=\"2\">順位・得点</td>"
                 "<td class=\"center\">収支</td><td class=\"id\">対戦相手</td></tr>\n");
    for (int i = 0; i < shown; i++) {
        LatestGame game;
        readLatestGame(latest, i, &game);
        writeGame(&game);
    }
    reportPrintf("</table>\n</div>\n");
}
