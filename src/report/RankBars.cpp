#include "report/RankBars.h"

#include "analysis/GameKind.h"
#include "report/ColorScheme.h"
#include "report/ReportDocument.h"
#include "text/Text.h"

#include <stdio.h>

// The drawing, in SVG user units: the bar on top, a legend entry under it for every place.
enum {
    BARS_WIDTH = 400,
    BARS_HEIGHT = 42,
    BAR_HEIGHT = 18,
    LEGEND_WIDTH = 100   // one entry per place
};

// The fill of a place: the colour of a gain for the top places, of a loss for the bottom ones, the
// middle places lighter, so that the last place always stands out.
static void placeFill(const ColorScheme* scheme, int place, int seats, const char** color, double* opacity)
{
    int upper = place <= (seats + 1) / 2;
    *color = upper ? scheme->plus.color : scheme->minus.color;
    *opacity = place == 1 || place == seats ? 1.0 : 0.55;
}

void writeRankBars(const ColorScheme* scheme, const PlaceSums* sums, int kind)
{
    int seats = kindSeats(kind);
    char shares[4][32];
    char label[256];
    snprintf(label, sizeof label, "%sの順位分布：", kindName(kind));
    for (int place = 1; place <= seats; place++) {
        snprintf(shares[place - 1], sizeof shares[0], "%.1f %%", 100.0 * sums->rankCounts[place - 1] / sums->games);
        char part[32];
        snprintf(part, sizeof part, "%s%d位 ", place > 1 ? "、" : "", place);
        appendText(label, sizeof label, part);
        appendText(label, sizeof label, shares[place - 1]);
    }
    reportPrintf("<svg width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\" role=\"img\" aria-label=\"%s\""
                 " font-size=\"12\" fill=\"%s\" style=\"display: block; margin: 2 0 6 0;\">\n",
                 BARS_WIDTH, BARS_HEIGHT, BARS_WIDTH, BARS_HEIGHT, label, scheme->body.color);
    double x = 0.0;
    for (int place = 1; place <= seats; place++) {
        const char* color;
        double opacity;
        placeFill(scheme, place, seats, &color, &opacity);
        double width = (double)BARS_WIDTH * sums->rankCounts[place - 1] / sums->games;
        // Outlined in the text's colour: a lighter piece still stands apart from a dark background.
        reportPrintf("<rect x=\"%.1f\" y=\"0.5\" width=\"%.1f\" height=\"%d\" fill=\"%s\" fill-opacity=\"%.2f\""
                     " stroke=\"%s\" stroke-opacity=\"0.5\"/>",
                     x, width, BAR_HEIGHT, color, opacity, scheme->body.color);
        int left = (place - 1) * LEGEND_WIDTH;
        reportPrintf("<rect x=\"%d\" y=\"%d\" width=\"10\" height=\"10\" fill=\"%s\" fill-opacity=\"%.2f\""
                     " stroke=\"%s\" stroke-opacity=\"0.5\"/>",
                     left, BAR_HEIGHT + 10, color, opacity, scheme->body.color);
        reportPrintf("<text x=\"%d\" y=\"%d\">%d位 %s</text>\n", left + 14, BAR_HEIGHT + 20, place, shares[place - 1]);
        x += width;
    }
    reportPrintf("</svg>\n");
}
