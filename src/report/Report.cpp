#include "report/Report.h"

#include "analysis/RunState.h"
#include "platform/FileLink.h"
#include "platform/TextFile.h"
#include "platform/platform.h"
#include "report/ConditionSummaryTable.h"
#include "report/DetailsSection.h"
#include "report/HtmlText.h"
#include "report/LatestGamesSection.h"
#include "report/MonthlySummaryTable.h"
#include "report/OpponentOrder.h"
#include "report/OpponentSections.h"
#include "report/OpponentSummaryTable.h"
#include "report/PlayerRecordSection.h"
#include "report/RecentResultsSection.h"
#include "report/ReportDocument.h"
#include "report/TrendsSection.h"
#include "settings/AppPaths.h"
#include "settings/Settings.h"
#include "text/Messages.h"

#include <time.h>

FILE* reportStream = NULL;

enum {
    LINK_SIZE = 4096,                              // a percent-encoded absolute path fits
    HTML_LINK_SIZE = LINK_SIZE * HTML_ESCAPE_GROWTH
};

// One list item linking to a table in the output folder. The folder may hold "&" and the like, so
// the link is escaped like every other outside text.
static void writeDownloadLink(const char* tableName, const char* label)
{
    static char link[LINK_SIZE];
    static char href[HTML_LINK_SIZE];
    formatFileLink(link, sizeof link, appPaths.outputFolder, tableName);
    escapeHtml(href, sizeof href, link);
    reportPrintf("<LI><a href=\"%s\">%s</a></LI>\n", href, label);
}

// The opponent sections link into a finished page of each opponent, which takes its name right
// before the report, with nothing slow between them. The page sits beside the report, so the link
// is relative: it holds in a copied or moved folder.
static void linkRivalsPage(void)
{
    static char link[LINK_SIZE];
    static char href[HTML_LINK_SIZE];
    linkOpponentNames(NULL);
    if (!runMakesOutput(OUTPUT_RIVALS) || !runOutputs[OUTPUT_RIVALS].written) return;
    formatSiblingLink(link, sizeof link, runOutputs[OUTPUT_RIVALS].name);
    escapeHtml(href, sizeof href, link);
    linkOpponentNames(href);
}

// The page the report links takes its name. Returns 0 when that failed: the report, which links it,
// must not take its name then.
static int placeRivalsPage(void)
{
    if (!runMakesOutput(OUTPUT_RIVALS) || !runOutputs[OUTPUT_RIVALS].written) return 1;
    return placeRunOutput(OUTPUT_RIVALS);
}

// 1 when the output has a link and was written in full.
static int linked(int kind)
{
    return runOutputRows[kind].linkText && runOutputs[kind].written;
}

// Links to the tables that were written in full, in the order of the rows; nothing at all when none was.
static void writeDownloads(void)
{
    int any = 0;
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) any |= linked(kind);
    if (!any) return;
    reportPrintf("<hr>\n");
    reportPrintf("<h3>☆ ダウンロード ☆</h3>\n");
    reportPrintf("<UL>");
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++)
        if (linked(kind)) writeDownloadLink(runOutputs[kind].name, runOutputRows[kind].linkText);
    reportPrintf("</UL>\n");
}

static void writeFooter(void)
{
    time_t end = time(NULL);
    reportPrintf("<hr>\n");
    reportPrintf("<DIV class=\"right\">\n");
    reportPrintf("Data processing time : %ld sec\n", (long)(end - run.startTime));
    reportPrintf("</DIV>\n");
    reportPrintf("</body></html>\n");
}

// The report's sections and the tables written with them, up to the downloads block.
static void writeSections(void)
{
    // The table's order first: short of memory it sorts the records themselves, and the lists are
    // picked from the table as it then stands.
    const uint32_t* order = orderOpponentsByGames();
    OpponentPicks picks;
    pickShownOpponents(&picks);
    writeReportHead("Vornix ver. %s 分析結果", programVersion);
    writePlayerRecordSection();
    if (settings.details) writeLatestGamesSection();
    writeRecentResultsSection();
    if (settings.trendCharts) writeTrendsSection();
    if (settings.details) writeDetailsSection();
    writeMostPlayedList(&picks);
    writeOpponentSummaryTable(order);
    if (settings.trendCharts) writeMonthlySummaryTable();
    if (settings.details) writeConditionSummaryTable();
    writeBalanceRanking(&picks);
    writeMarginRanking(&picks);
}

// The report failed: the tables of this run go too (a placed one gives its name back to the previous
// file), so the files stay those of the previous run.
static int reportFailed(const char* message)
{
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) withdrawRunOutput(kind);
    showErrorMessage(message);
    return 0;
}

// The report can't be created: the message names what has its name when that is no file.
static int reportNotCreated(void)
{
    const RunOutput* report = &runOutputs[OUTPUT_REPORT];
    if (!report->file.inTheWay) return reportFailed(MESSAGE_REPORT_NOT_CREATED);
    static char text[PATH_SIZE + TABLE_NAME_SIZE + 256];
    const char* folder = appPaths.outputFolder;
    copyText(text, sizeof text, MESSAGE_REPORT_NOT_CREATED);
    appendText(text, sizeof text, MESSAGE_OUTPUT_IN_THE_WAY);
    appendText(text, sizeof text, folder);
    if (folder[0]) appendText(text, sizeof text, folder[0] == '/' ? "/" : "\\");
    appendText(text, sizeof text, report->name);
    return reportFailed(text);
}

int writeReport(void)
{
    if (!createRunOutput(OUTPUT_REPORT)) return reportNotCreated();
    reportStream = runOutputs[OUTPUT_REPORT].file.stream;
    linkRivalsPage();
    writeSections();
    linkOpponentNames(NULL);
    // The tables take their names first and the report links only those that did; the page its
    // sections link and then the report take theirs last, and should either fail, the tables give
    // theirs back. The body is on the disk before, so that little is left to write between the first
    // rename and the last.
    syncFile(reportStream);
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++)
        if (kind != OUTPUT_REPORT && kind != OUTPUT_RIVALS) placeRunOutput(kind);
    writeDownloads();
    writeFooter();
    reportStream = NULL;
    if (!finishRunOutput(OUTPUT_REPORT) || !placeRivalsPage() || !placeRunOutput(OUTPUT_REPORT))
        return reportFailed(MESSAGE_REPORT_NOT_WRITTEN);
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) keepRunOutput(kind);
    return 1;
}
