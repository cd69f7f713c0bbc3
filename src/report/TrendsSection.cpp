#include "report/TrendsSection.h"

#include "analysis/MonthlySummary.h"
#include "analysis/RunState.h"
#include "analysis/TrendSeries.h"
#include "report/AmountText.h"
#include "report/ColorScheme.h"
#include "report/HtmlText.h"
#include "report/LineChart.h"
#include "report/MonthlySummaryTable.h"
#include "report/ReportDocument.h"
#include "settings/Settings.h"
#include "text/Text.h"

#include <stdio.h>
#include <string.h>

enum { MONTHS_SHOWN = 1200 };   // months of the section's monthly table: a hundred years of real play

// The series' points as chart lines: the game numbers, and one of the three values of each point.
struct SeriesLines {
    int games[TREND_POINTS];
    double balance[TREND_POINTS];
    double shortRank[TREND_POINTS];
    double longRank[TREND_POINTS];
};

static void fillLines(SeriesLines* lines, const TrendSeries* series)
{
    for (int i = 0; i < series->count; i++) {
        lines->games[i] = series->points[i].game;
        lines->balance[i] = series->points[i].balance;
        lines->shortRank[i] = series->points[i].shortRankAverage;
        lines->longRank[i] = series->points[i].longRankAverage;
    }
}

static SeriesLines seriesLines;

static void writeRunBalanceChart(const ColorScheme* scheme)
{
    fillLines(&seriesLines, &run.trendSeries);
    ChartLine line = { seriesLines.games, seriesLines.balance, run.trendSeries.count };
    writeBalanceChart(scheme, "収支の推移", "通算の収支（円）", run.trendSeries.games, &line);
}

// The legend of a moving average: over the last `window` games, or over all of them while there are
// fewer.
static void formatAverageLegend(char* out, size_t size, int window, int games, double average)
{
    if (games < window) snprintf(out, size, "全%d戦の平均 %.2f", games, average);
    else snprintf(out, size, "直近%d戦の平均 %.2f", window, average);
}

// The moving averages of the rank over series, 1 at the top and `ranks` at the bottom, under title.
static void writeRankChart(const ColorScheme* scheme, const TrendSeries* series, int ranks, const char* title)
{
    Chart chart = { scheme, series->games, 1.0, (double)ranks };
    openChart(&chart, title);
    static const char* const labels[] = { "1位", "2位", "3位", "4位" };
    for (int rank = 1; rank <= ranks; rank++) writeGridLine(&chart, rank, labels[rank - 1]);
    writeFrame(&chart);
    const TrendPoint* last = &series->points[series->count - 1];
    char text[64];
    formatAverageLegend(text, sizeof text, SHORT_RANK_WINDOW, series->games, last->shortRankAverage);
    writeLegend(CHART_LEFT, scheme->plus.color, 1.5, text);
    formatAverageLegend(text, sizeof text, LONG_RANK_WINDOW, series->games, last->longRankAverage);
    writeLegend(CHART_LEFT + 200, scheme->minus.color, 2.5, text);
    fillLines(&seriesLines, series);
    ChartLine shortLine = { seriesLines.games, seriesLines.shortRank, series->count };
    ChartLine longLine = { seriesLines.games, seriesLines.longRank, series->count };
    writeChartLine(&chart, &shortLine, scheme->plus.color, 1.5);
    writeChartLine(&chart, &longLine, scheme->minus.color, 2.5);
    reportPrintf("</svg>\n");
}

// The rank charts: one over every game, or in a history of both kinds one per kind over its own games
// (a place means something only among games of one number of seats), its axis that kind's ranks.
static void writeRankCharts(const ColorScheme* scheme)
{
    if (singleKind(run.playerTotals.kinds) >= 0) {
        writeRankChart(scheme, &run.trendSeries, 4, "順位の推移");
        return;
    }
    for (int kind = 0; kind < GAME_KINDS; kind++) {
        char title[64];
        snprintf(title, sizeof title, "順位の推移（%s・%d 戦）", kindName(kind), run.kindTrends[kind].games);
        writeRankChart(scheme, &run.kindTrends[kind], kindSeats(kind), title);
    }
}

// One row of the section's monthly table, with the figures of the monthly table file.
static void writeMonthRow(const MonthRow* row, int mixed)
{
    char label[MONTH_LABEL_SIZE];
    char month[MONTH_LABEL_SIZE * HTML_ESCAPE_GROWTH];
    char figures[256];
    formatMonthLabel(label, sizeof label, row, mixed);
    escapeHtml(month, sizeof month, label);
    formatMonthFigures(figures, sizeof figures, row);
    reportPrintf("<tr><td class=\"recent\">%s</td>", month);
    // Every figure follows a tab; the money, last, is shown like the other amounts of the report.
    const char* field = figures + 1;
    for (const char* tab; (tab = strchr(field, '\t')) != NULL; field = tab + 1)
        reportPrintf("<td class=\"recent\">%.*s</td>", (int)(tab - field), field);
    char money[64];
    formatGrouped(money, sizeof money, row->money, 0);
    reportPrintf("<td class=\"%s\">%s 円</td></tr>\n", row->money < 0.0 ? "minus" : "plus", money);
}

// The number of months of the sorted rows into *months, a month with rows of both kinds counted
// once. Returns the first row of the newest MONTHS_SHOWN months: 0 when there are no more.
static int firstShownRow(const MonthRow* rows, int count, int* months)
{
    int first = 0;
    *months = 0;
    for (int i = count - 1; i >= 0; i--) {
        if (i < count - 1 && strcmp(rows[i].month, rows[i + 1].month) == 0) continue;
        if (++*months == MONTHS_SHOWN + 1) first = i + 1;
    }
    return first;
}

// The monthly rows, newest first, with the figures of the monthly table file. Only a log whose date
// texts are not dates has more months than MONTHS_SHOWN; the page then shows the newest of them and
// says so, so that it stays as small as for any other log (the table file holds them all).
static void writeMonthTable(void)
{
    sortMonthlySummary(&run.monthlySummary);
    const MonthRow* rows = run.monthlySummary.rows;
    int count = run.monthlySummary.count;
    int months;
    int first = firstShownRow(rows, count, &months);
    int mixed = singleKind(run.playerTotals.kinds) < 0;
    reportPrintf("<h4>月別成績</h4>\n");
    if (first > 0)
        reportPrintf("<p>%dか月分のうち、新しい%dか月分だけを載せています（古い%dか月分は月別集計ファイルにあります）。</p>\n",
                     months, MONTHS_SHOWN, months - MONTHS_SHOWN);
    reportPrintf("<table cellspacing=\"0\">\n<tr>");
    static const char* const headings[] = { "年月", "対局数", "勝ち", "負け", "引分", "平均順位",
                                            "1位率", "2位率", "3位率", "4位率", "平均得点", "収支" };
    for (const char* heading : headings) reportPrintf("<td class=\"center\">%s</td>", heading);
    reportPrintf("</tr>\n");
    // Newest month first; a month's four-player row before its three-player one.
    for (int end = count - 1; end >= first;) {
        int start = end;
        while (start > first && strcmp(rows[start - 1].month, rows[end].month) == 0) start--;
        for (int i = start; i <= end; i++) writeMonthRow(&rows[i], mixed);
        end = start - 1;
    }
    reportPrintf("</table>\n");
}

void writeTrendsSection(void)
{
    const ColorScheme* scheme = colorSchemeFor(settings.colorScheme);
    char id[HTML_ID_SIZE];
    escapeHtml(id, sizeof id, playerDisplayId(&run.player));
    reportPrintf("<h3>☆ %sさんの成績の推移 ☆</h3>\n", id);
    reportPrintf("<div class=\"indentmargin\">\n");
    writeRunBalanceChart(scheme);
    writeRankCharts(scheme);
    writeMonthTable();
    reportPrintf("</div>\n");
}
