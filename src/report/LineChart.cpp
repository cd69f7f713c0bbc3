#include "report/LineChart.h"

#include "report/AmountText.h"
#include "report/ColorScheme.h"
#include "report/ReportDocument.h"
#include "text/NumberText.h"
#include "text/Text.h"

#include <math.h>

// The drawing, in SVG user units: the plot area inside margins for the axis labels on the left, the
// legend on top and the final value on the right.
enum {
    CHART_WIDTH = 760,
    CHART_HEIGHT = 240,
    PLOT_LEFT = CHART_LEFT,
    PLOT_RIGHT = 620,
    PLOT_TOP = 28,
    PLOT_BOTTOM = 210,
    POINTS_PER_LINE = 10   // polyline points per line of the file
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

void openChart(const Chart* chart, const char* title)
{
    reportPrintf("<h4>%s</h4>\n", title);
    reportPrintf("<svg width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\" role=\"img\" aria-label=\"%s\""
                 " font-size=\"12\" fill=\"%s\" style=\"display: block; margin: 4 0 12 0;\">\n",
                 CHART_WIDTH, CHART_HEIGHT, CHART_WIDTH, CHART_HEIGHT, title, chart->scheme->body.color);
}

void writeGridLine(const Chart* chart, double value, const char* label)
{
    double y = yOf(chart, value);
    reportPrintf("<line x1=\"%d\" y1=\"%.1f\" x2=\"%d\" y2=\"%.1f\" stroke=\"%s\" stroke-opacity=\"0.25\"/>",
                 PLOT_LEFT, y, PLOT_RIGHT, y, chart->scheme->body.color);
    reportPrintf("<text x=\"%d\" y=\"%.1f\" text-anchor=\"end\">%s</text>\n", PLOT_LEFT - 6, y + 4.0, label);
}

void writeFrame(const Chart* chart)
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

void writeChartLine(const Chart* chart, const ChartLine* line, const char* color, double width)
{
    if (line->count == 1)
        reportPrintf("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"%.1f\" fill=\"%s\"/>\n", xOf(chart, line->games[0]),
                     yOf(chart, line->values[0]), width + 1.5, color);
    reportPrintf("<polyline fill=\"none\" stroke=\"%s\" stroke-width=\"%.1f\" stroke-linejoin=\"round\" points=\"",
                 color, width);
    // A file's line of points at a time, each number as "%.1f" without printf (the page of each
    // opponent has 22,000 of them).
    char points[POINTS_PER_LINE * 2 * 330 + 8];   // room for any double's "%.1f" (up to 310 bytes)
    size_t used = 0;
    for (int i = 0; i < line->count; i++) {
        if (i % POINTS_PER_LINE == 0 && i > 0) {
            reportPrintf("%s\n", points);
            used = 0;
        } else if (i > 0) {
            points[used++] = ' ';
        }
        used += formatTenths(points + used, sizeof points - used, xOf(chart, line->games[i]));
        points[used++] = ',';
        used += formatTenths(points + used, sizeof points - used, yOf(chart, line->values[i]));
    }
    if (line->count > 0) reportPrintf("%s", points);
    reportPrintf("\"/>\n");
}

void writeLegend(int x, const char* color, double width, const char* text)
{
    reportPrintf("<line x1=\"%d\" y1=\"12\" x2=\"%d\" y2=\"12\" stroke=\"%s\" stroke-width=\"%.1f\"/>", x, x + 24,
                 color, width);
    reportPrintf("<text x=\"%d\" y=\"16\">%s</text>\n", x + 30, text);
}

void writeBalanceChart(const ColorScheme* scheme, const char* title, const char* legend, int games,
                       const ChartLine* line)
{
    double low = 0.0;
    double high = 0.0;
    for (int i = 0; i < line->count; i++) {
        low = fmin(low, line->values[i]);
        high = fmax(high, line->values[i]);
    }
    double step = roundStep((high - low) / 4.0);
    Chart chart = { scheme, games, ceil(high / step) * step, floor(low / step) * step };
    if (chart.topValue == chart.bottomValue) chart.topValue += step;
    openChart(&chart, title);
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
    writeLegend(PLOT_LEFT, scheme->plus.color, 2.0, legend);
    writeChartLine(&chart, line, scheme->plus.color, 2.0);
    int last = line->count - 1;
    double balance = line->values[last];
    const char* color = balance < 0.0 ? scheme->minus.color : scheme->plus.color;
    if (fabs(balance) < 0.5) color = scheme->body.color;   // "0": neither a gain nor a loss
    double x = xOf(&chart, line->games[last]);
    double y = yOf(&chart, balance);
    formatBalance(label, sizeof label, balance);
    reportPrintf("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"3.5\" fill=\"%s\"/>", x, y, color);
    reportPrintf("<text x=\"%.1f\" y=\"%.1f\" fill=\"%s\" font-weight=\"bold\">%s 円</text>\n", x + 8.0, y + 4.0,
                 color, label);
    reportPrintf("</svg>\n");
}
