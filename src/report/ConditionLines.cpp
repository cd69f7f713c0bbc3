#include "report/ConditionLines.h"

#include "analysis/Conditions.h"
#include "analysis/LogReader.h"
#include "analysis/RunState.h"
#include "report/HtmlText.h"
#include "report/ReportDocument.h"
#include "settings/Settings.h"


// Each condition's words, escaped, joined by "、". The lobbies' words take up to twice the list
// ("・" for each ";"), and the line is never cut.
static void writeConditionsLine(void)
{
    static char part[LOBBY_LIST_SIZE * 2 + 16];
    static char escaped[sizeof part * HTML_ESCAPE_GROWTH];
    int parts = 0;
    reportPrintf("分析条件：");
    for (int i = 0; i < CONDITION_COUNT; i++) {
        if (!conditionIsSet(&conditions[i])) continue;
        conditions[i].words(part, sizeof part);
        escapeHtml(escaped, sizeof escaped, part);
        reportPrintf("%s%s", parts++ ? "、" : "", escaped);
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
