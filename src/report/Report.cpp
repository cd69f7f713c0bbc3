#include "report/Report.h"

#include "analysis/AnalysisRun.h"
#include "analysis/GameResultsTable.h"
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

#include <time.h>

FILE* reportStream = NULL;

const char REPORT_FILE_NAME[] = "分析結果.html";
const char MESSAGE_REPORT_NOT_CREATED[] = "結果ファイルをオープンできませんでした。";

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

// Links to the tables that could be created; nothing at all when neither was.
static void writeDownloads(int opponentTableCreated, int monthlyTableCreated)
{
    if (!gameTableCreated && !opponentTableCreated && !monthlyTableCreated) return;
    reportPrintf("<hr>\n");
    reportPrintf("<h3>☆ ダウンロード ☆</h3>\n");
    reportPrintf("<UL>");
    if (gameTableCreated) writeDownloadLink(gameTableName, "戦績ファイル");
    if (opponentTableCreated) writeDownloadLink(opponentTableName, "ID別集計ファイル");
    if (monthlyTableCreated) writeDownloadLink(monthlyTableName, "月別集計ファイル");
    reportPrintf("</UL>\n");
}

static void writeFooter(void)
{
    time_t end = time(NULL);
    reportPrintf("<hr>\n");
    reportPrintf("<DIV class=\"right\">\n");
    reportPrintf("Data processing time : %ld sec\n", (long)(end - runStartTime));
    reportPrintf("</DIV>\n");
    reportPrintf("</body></html>\n");
}

void writeReport(void)
{
    reportStream = createTextFile(REPORT_FILE_NAME);
    if (!reportStream) {
        showErrorMessage(MESSAGE_REPORT_NOT_CREATED);
        exitProcess(0);
    }
    writeReportHead("Vornix ver. %s 分析結果", programVersion);
    writePlayerRecordSection();
    writeRecentResultsSection();
    if (settings.trendCharts) writeTrendsSection();
    sortOpponents(compareByGames);
    writeMostPlayedList();
    int opponentTableCreated = writeOpponentSummaryTable();
    int monthlyTableCreated = settings.trendCharts && writeMonthlySummaryTable();
    sortOpponents(compareByBalance);
    writeBalanceRanking();
    sortOpponents(compareByMargin);
    writeMarginRanking();
    writeDownloads(opponentTableCreated, monthlyTableCreated);
    writeFooter();
    fclose(reportStream);
    reportStream = NULL;
}
