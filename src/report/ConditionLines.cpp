#include "report/ConditionLines.h"

#include "analysis/LogReader.h"
#include "analysis/RunState.h"
#include "report/HtmlText.h"
#include "report/ReportDocument.h"
#include "settings/AnalysisConditions.h"
#include "settings/Settings.h"

#include <string.h>

// Writes the separator before every part but the first.
static void startPart(int* parts)
{
    if ((*parts)++) reportPrintf("、");
}

// "ロビー：" and the lobbies of the list, escaped, joined by "・".
static void writeLobbies(void)
{
    reportPrintf("ロビー：");
    const char* item = settings.lobbies;
    for (int i = 0; *item; i++) {
        size_t length = strcspn(item, ";");
        char lobby[LOBBY_LIST_SIZE];
        char escaped[LOG_LINE_SIZE * HTML_ESCAPE_GROWTH];
        copyLogTextN(lobby, sizeof lobby, item, length);
        escapeHtml(escaped, sizeof escaped, lobby);
        reportPrintf("%s%s", i ? "・" : "", escaped);
        item += length + (item[length] == ';');
    }
}

static void writeConditionsLine(void)
{
    int parts = 0;
    reportPrintf("分析条件：");
    if (settings.firstDay[0] || settings.lastDay[0]) {
        startPart(&parts);
        reportPrintf("%s～%s", settings.firstDay, settings.lastDay);
    }
    if (settings.lobbies[0]) {
        startPart(&parts);
        writeLobbies();
    }
    if (settings.gameLength) {
        startPart(&parts);
        reportPrintf("%s", settings.gameLength == LENGTH_TONPU ? "東風戦" : "半荘戦");
    }
    if (settings.seats) {
        startPart(&parts);
        reportPrintf("%d人打ち", settings.seats);
    }
    reportPrintf("<BR>\n");
}

// "対象のID：A、B、C<BR>", the player's IDs in their order, escaped.
static void writePlayerIdsLine(void)
{
    reportPrintf("対象のID：");
    for (int i = 0; i < run.player.count; i++) {
        char id[HTML_ID_SIZE];
        escapeHtml(id, sizeof id, run.player.ids[i]);
        reportPrintf("%s%s", i ? "、" : "", id);
    }
    reportPrintf("<BR>\n");
}

void writeConditionLines(void)
{
    if (selectionConditionsSet()) writeConditionsLine();
    if (run.player.count > 1) writePlayerIdsLine();
    if (run.skippedEntries) {
        char lines[SKIPPED_LINES_TEXT_SIZE];
        skippedLinesText(lines, sizeof lines);
        reportPrintf("読み飛ばした壊れた対局：<span style=\"font-size:20\">%d</span> 件（%s 行目）<BR>\n",
                     run.skippedEntries, lines);
    }
    if (run.twoIdEntries)
        reportPrintf("同じ卓に自分のIDが複数いた対局：<span style=\"font-size:20\">%d</span> 件（除外）<BR>\n",
                     run.twoIdEntries);
}

void writeRangeLine(void)
{
    reportPrintf("分析範囲： 点<span style=\"font-size:20;\">%d</span> 円から点<span style=\"font-size:20;\">%d</span> 円までの対局<BR>\n",
                 settings.minRate, settings.maxRate);
}
