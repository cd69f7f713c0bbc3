#ifndef VORNIX_LINECHART_H
#define VORNIX_LINECHART_H
// The line charts of the report and of the page of each opponent: inline SVG in the scheme's
// colours, a plot over the game numbers with its value axis on the left, its legend on top and the
// final value on the right. No script and nothing outside the page.

struct ColorScheme;

// A line through the ends of buckets of games: count points, the game number and value of each.
struct ChartLine {
    const int* games;
    const double* values;
    int count;   // at least 1
};

// The chart being drawn: the games along the axis and the values at the top and bottom edges.
struct Chart {
    const ColorScheme* scheme;
    int games;
    double topValue;
    double bottomValue;
};

enum { CHART_LEFT = 90 };   // the plot's left edge, where a legend begins

// Writes the title as a heading and opens the drawing, named title for a screen reader.
void openChart(const Chart* chart, const char* title);

// A grid line across the plot at value, labelled on the left.
void writeGridLine(const Chart* chart, double value, const char* label);

// The left and bottom edges, with the game numbers at round steps under the bottom one.
void writeFrame(const Chart* chart);

// The line in color and width; a single point, which makes no line, as a dot.
void writeChartLine(const Chart* chart, const ChartLine* line, const char* color, double width);

// A legend entry above the plot at x: a piece of the line and its text.
void writeLegend(int x, const char* color, double width, const char* text);

// The chart of a running balance under title, its legend legend: an axis of round steps from below the lowest value to
// above the highest, 0 included, labelled in 万, 億, ... from steps of 10,000 yen; the zero line
// dashed, the line and the final value beside its last point, in the colour of a gain, of a loss or
// (when it rounds to 0) of the text. The drawing is closed.
void writeBalanceChart(const ColorScheme* scheme, const char* title, const char* legend, int games,
                       const ChartLine* line);

#endif
