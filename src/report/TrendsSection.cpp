#include "report/TrendsSection.h"

#include "analysis/MonthlySummary.h"
#include "analysis/RunState.h"
#include "analysis/TrendSeries.h"
#include "report/AmountText.h"
#include "report/ColorScheme.h"
#include "report/HtmlText.h"
#include "report/MonthlySummaryTable.h"
#include "report/ReportDocument.h"
#include "settings/Settings.h"
#include "text/Text.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

// The drawing, in SVG user units: the plot area inside margins for the axis labels on the left, the
// legend on top and the final value on the right.
enum {
    CHART_WIDTH = 760,
    CHART_HEIGHT = 240,
    PLOT_LEFT = 90,
    PLOT_RIGHT = 620,
    PLOT_TOP = 28,
    PLOT_BOTTOM = 210,
    POINTS_PER_LINE = 10,  // polyline points per line of the file
    MONTHS_SHOWN = 1200    // months of the section's monthly table: a hundred years of real play
};

// The chart being drawn: its series, its games and the values at the top and bottom edges of the plot.
struct Chart {
    const ColorScheme* scheme;
    const TrendSeries* series;
    int games;
    double topValue;
    double bottomValue;
};

static double xOf(const Chart* chart, int game)
{
    if (chart->games <= 1) return (PLOT_LEFT + PLOT_RIGHT) / 2.0;
    return PLOT_LEFT + (double)(game - 1) * (PLOT_RIGHT - PLOT_LEFT) / (chart->games - 1);
}

// The height of value; values beyond the axis (an odd rank) stay on its edge.
static double yOf(const Chart* chart, double value)
{
    double share = (chart->topValue - value) / (chart->topValue - chart->bottomValue);
    if (share < 0.0) share = 0.0;
    if (share > 1.0) share = 1.0;
    return PLOT_TOP + share * (PLOT_BOTTOM - PLOT_TOP);
}

// A round step near span: 1, 2 or 5 times a power of ten, at least 1. Powers by multiplication, so
// every system picks the same step.
static double roundStep(double span)
{
    double power = 1.0;
    while (power * 10.0 <= span) power *= 10.0;
    if (span <= power) return power;
    if (span <= 2.0 * power) return 2.0 * power;
    if (span <= 5.0 * power) return 5.0 * power;
    return 10.0 * power;
}

// The Japanese units of large amounts, largest first.
struct AmountUnit {
    double size;
    const char* name;
};
static const AmountUnit AMOUNT_UNITS[] = {
    { 1e20, "垓" }, { 1e16, "京" }, { 1e12, "兆" }, { 1e8, "億" }, { 1e4, "万" },
};
enum { AMOUNT_UNIT_COUNT = sizeof AMOUNT_UNITS / sizeof AMOUNT_UNITS[0] };

// The unit of the balance axis: the largest that is not above the step, so that every label is a
// whole number of fewer than five digits before its unit; NULL below 10,000 yen.
static const AmountUnit* axisUnit(double step)
{
    for (const AmountUnit& unit : AMOUNT_UNITS)
        if (step >= unit.size) return &unit;
    return NULL;
}

// The final balance as formatGrouped writes it while it has at most nine digits; beyond, rounded to
// the smallest unit from 億 up that leaves at most six digits ("+429,497億"), so that it fits the
// margin right of the plot.
static void formatBalance(char* out, size_t size, double value)
{
    if (fabs(value) < 1e9) {
        formatGrouped(out, size, value, 1);
        return;
    }
    const AmountUnit* unit = &AMOUNT_UNITS[0];
    for (int i = AMOUNT_UNIT_COUNT - 2; i >= 0; i--) {
        unit = &AMOUNT_UNITS[i];
        if (fabs(value) / unit->size < 1e6) break;
    }
    formatGrouped(out, size, value / unit->size, 1);
    appendText(out, size, unit->name);
}

static void openChart(const Chart* chart, const char* title)
{
    reportPrintf("<h4>%s</h4>\n", title);
    reportPrintf("<svg width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\" role=\"img\" aria-label=\"%s\""
                 " font-size=\"12\" fill=\"%s\" style=\"display: block; margin: 4 0 12 0;\">\n",
                 CHART_WIDTH, CHART_HEIGHT, CHART_WIDTH, CHART_HEIGHT, title, chart->scheme->body.color);
}

// A grid line across the plot at value, labelled on the left.
static void writeGridLine(const Chart* chart, double value, const char* label)
{
    double y = yOf(chart, value);
    reportPrintf("<line x1=\"%d\" y1=\"%.1f\" x2=\"%d\" y2=\"%.1f\" stroke=\"%s\" stroke-opacity=\"0.25\"/>",
                 PLOT_LEFT, y, PLOT_RIGHT, y, chart->scheme->body.color);
    reportPrintf("<text x=\"%d\" y=\"%.1f\" text-anchor=\"end\">%s</text>\n", PLOT_LEFT - 6, y + 4.0, label);
}

// The left and bottom edges, with the game numbers at round steps under the bottom one.
static void writeFrame(const Chart* chart)
{
    const char* color = chart->scheme->body.color;
    reportPrintf("<polyline points=\"%d,%d %d,%d %d,%d\" fill=\"none\" stroke=\"%s\"/>\n", PLOT_LEFT, PLOT_TOP,
                 PLOT_LEFT, PLOT_BOTTOM, PLOT_RIGHT, PLOT_BOTTOM, color);
    int step = (int)roundStep(chart->games / 6.0);
    for (int game = step; game <= chart->games; game += step) {
        double x = xOf(chart, game);
        reportPrintf("<line x1=\"%.1f\" y1=\"%d\" x2=\"%.1f\" y2=\"%d\" stroke=\"%s\"/>", x, PLOT_BOTTOM, x,
                     PLOT_BOTTOM + 4, color);
        char label[32];
        formatGrouped(label, sizeof label, game, 0);
        reportPrintf("<text x=\"%.1f\" y=\"%d\" text-anchor=\"middle\">%s戦</text>\n", x, PLOT_BOTTOM + 18, label);
    }
}

static double pointBalance(const TrendPoint* point) { return point->balance; }
static double pointShortRank(const TrendPoint* point) { return point->shortRankAverage; }
static double pointLongRank(const TrendPoint* point) { return point->longRankAverage; }

// One series as a line through the end of every bucket; a single game, which makes no line, as a dot.
static void writeSeries(const Chart* chart, double (*value)(const TrendPoint*), const char* color, double width)
{
    const TrendSeries* series = chart->series;
    if (series->count == 1) {
        const TrendPoint* point = &series->points[0];
        reportPrintf("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\" fill=\"%s\"/>\n", xOf(chart, point->game),
                     yOf(chart, value(point)), width + 1.5, color);
    }
    reportPrintf("<polyline fill=\"none\" stroke=\"%s\" stroke-width=\"%.1f\" stroke-linejoin=\"round\" points=\"",
                 color, width);
    for (int i = 0; i < series->count; i++) {
        const TrendPoint* point = &series->points[i];
        const char* separator = i == 0 ? "" : i % POINTS_PER_LINE == 0 ? "\n" : " ";
        reportPrintf("%s%.1f,%.1f", separator, xOf(chart, point->game), yOf(chart, value(point)));
    }
    reportPrintf("\"/>\n");
}

// A legend entry above the plot: a piece of the line and its text.
static void writeLegend(int x, const char* color, double width, const char* text)
{
    reportPrintf("<line x1=\"%d\" y1=\"12\" x2=\"%d\" y2=\"12\" stroke=\"%s\" stroke-width=\"%.1f\"/>", x, x + 24,
                 color, width);
    reportPrintf("<text x=\"%d\" y=\"16\">%s</text>\n", x + 30, text);
}

// The balance axis runs over round steps from below the lowest value to above the highest, 0
// included.
static void writeBalanceChart(const ColorScheme* scheme)
{
    double low = 0.0;
    double high = 0.0;
    for (int i = 0; i < run.trendSeries.count; i++) {
        low = fmin(low, run.trendSeries.points[i].balance);
        high = fmax(high, run.trendSeries.points[i].balance);
    }
    double step = roundStep((high - low) / 4.0);
    Chart chart = { scheme, &run.trendSeries, run.trendSeries.games, ceil(high / step) * step,
                    floor(low / step) * step };
    if (chart.topValue == chart.bottomValue) chart.topValue += step;
    openChart(&chart, "収支の推移");
    // Steps of 10,000 yen and more are labelled in 万, 億, 兆, ..., so that any amount fits the margin.
    const AmountUnit* unit = axisUnit(step);
    char label[64];
    for (double value = chart.bottomValue; value <= chart.topValue; value += step) {
        formatGrouped(label, sizeof label, unit ? value / unit->size : value, 0);
        if (unit && value != 0.0) appendText(label, sizeof label, unit->name);
        writeGridLine(&chart, value, label);
    }
    writeFrame(&chart);
    double zero = yOf(&chart, 0.0);
    reportPrintf("<line x1=\"%d\" y1=\"%.1f\" x2=\"%d\" y2=\"%.1f\" stroke=\"%s\" stroke-dasharray=\"6 3\"/>\n",
                 PLOT_LEFT, zero, PLOT_RIGHT, zero, scheme->body.color);
    writeLegend(PLOT_LEFT, scheme->plus.color, 2.0, "通算の収支（円）");
    writeSeries(&chart, pointBalance, scheme->plus.color, 2.0);
    const TrendPoint* last = &run.trendSeries.points[run.trendSeries.count - 1];
    const char* color = last->balance < 0.0 ? scheme->minus.color : scheme->plus.color;
    double x = xOf(&chart, last->game);
    double y = yOf(&chart, last->balance);
    formatBalance(label, sizeof label, last->balance);
    reportPrintf("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"3.5\" fill=\"%s\"/>", x, y, color);
    reportPrintf("<text x=\"%.1f\" y=\"%.1f\" fill=\"%s\" font-weight=\"bold\">%s 円</text>\n", x + 8.0, y + 4.0,
                 color, label);
    reportPrintf("</svg>\n");
}

// The moving averages of the rank over series, 1 at the top and `ranks` at the bottom, under title.
static void writeRankChart(const ColorScheme* scheme, const TrendSeries* series, int ranks, const char* title)
{
    Chart chart = { scheme, series, series->games, 1.0, (double)ranks };
    openChart(&chart, title);
    static const char* const labels[] = { "1位", "2位", "3位", "4位" };
    for (int rank = 1; rank <= ranks; rank++) writeGridLine(&chart, rank, labels[rank - 1]);
    writeFrame(&chart);
    const TrendPoint* last = &series->points[series->count - 1];
    char text[64];
    snprintf(text, sizeof text, "直近20戦の平均 %.2f", last->shortRankAverage);
    writeLegend(PLOT_LEFT, scheme->plus.color, 1.5, text);
    snprintf(text, sizeof text, "直近100戦の平均 %.2f", last->longRankAverage);
    writeLegend(PLOT_LEFT + 200, scheme->minus.color, 2.5, text);
    writeSeries(&chart, pointShortRank, scheme->plus.color, 1.5);
    writeSeries(&chart, pointLongRank, scheme->minus.color, 2.5);
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
    sortMonthlySummary();
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
    escapeHtml(id, sizeof id, settings.currentId);
    reportPrintf("<h3>☆ %sさんの成績の推移 ☆</h3>\n", id);
    reportPrintf("<div class=\"indentmargin\">\n");
    writeBalanceChart(scheme);
    writeRankCharts(scheme);
    writeMonthTable();
    reportPrintf("</div>\n");
}
