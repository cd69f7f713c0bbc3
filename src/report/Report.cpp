#include "report/Report.h"

#include "analysis/GameResultsTable.h"
#include "analysis/RunState.h"
#include "platform/OutputFile.h"
#include "platform/TextFile.h"
#include "platform/platform.h"
#include "report/HtmlText.h"
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

const char REPORT_FILE_NAME[] = "分析結果.html";

static OutputFile output;

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

// Links to the tables that were written in full; nothing at all when none was.
static void writeDownloads(void)
{
    if (!run.gameResultsTable.written && !run.opponentSummaryTable.written && !run.monthlySummaryTable.written)
        return;
    reportPrintf("<hr>\n");
    reportPrintf("<h3>☆ ダウンロード ☆</h3>\n");
    reportPrintf("<UL>");
    if (run.gameResultsTable.written) writeDownloadLink(run.gameResultsTable.name, "戦績ファイル");
    if (run.opponentSummaryTable.written) writeDownloadLink(run.opponentSummaryTable.name, "ID別集計ファイル");
    if (run.monthlySummaryTable.written) writeDownloadLink(run.monthlySummaryTable.name, "月別集計ファイル");
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

// Everything of the report, from the head to the footer, onto reportStream.
static void writeDocument(void)
{
    writeReportHead("Vornix ver. %s 分析結果", programVersion);
    writePlayerRecordSection();
    writeRecentResultsSection();
    if (settings.trendCharts) writeTrendsSection();
    sortOpponents(compareByGames);
    writeMostPlayedList();
    writeOpponentSummaryTable();
    if (settings.trendCharts) writeMonthlySummaryTable();
    sortOpponents(compareByBalance);
    writeBalanceRanking();
    sortOpponents(compareByMargin);
    writeMarginRanking();
    writeDownloads();
    writeFooter();
}

// The report failed: the tables of this run go too, so the three files stay those of one run.
static int reportFailed(const char* message)
{
    discardRunTable(&run.gameResultsTable);
    discardRunTable(&run.opponentSummaryTable);
    discardRunTable(&run.monthlySummaryTable);
    showErrorMessage(message);
    return 0;
}

int writeReport(void)
{
    if (!createOutputFile(&output, REPORT_FILE_NAME)) return reportFailed(MESSAGE_REPORT_NOT_CREATED);
    reportStream = output.stream;
    writeDocument();
    reportStream = NULL;
    if (!finishOutputFile(&output)) return reportFailed(MESSAGE_REPORT_NOT_WRITTEN);
    placeRunTable(&run.gameResultsTable);
    placeRunTable(&run.opponentSummaryTable);
    placeRunTable(&run.monthlySummaryTable);
    if (!placeOutputFile(&output)) return reportFailed(MESSAGE_REPORT_NOT_WRITTEN);
    return 1;
}

void discardReport(void)
{
    discardOutputFile(&output);
    reportStream = NULL;
}
