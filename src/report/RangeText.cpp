#include "report/RangeText.h"

#include "analysis/Intervals.h"
#include "report/AmountText.h"
#include "text/Text.h"

#include <stdio.h>

const char NO_FIGURE[] = "—";

void formatFigure(char* out, size_t size, double value, int decimals, int withPlus)
{
    if (decimals == 0) formatGrouped(out, size, value, withPlus);
    else snprintf(out, size, withPlus ? "%+.*f" : "%.*f", decimals, value);
}

void formatMeanRange(char* out, size_t size, const Moments* moments, double lowest, double highest, int decimals)
{
    double low, high;
    if (!meanInterval(moments, lowest, highest, &low, &high)) {
        copyText(out, size, NO_FIGURE);
        return;
    }
    char lowText[400];
    char highText[400];
    formatFigure(lowText, sizeof lowText, low, decimals, 0);
    formatFigure(highText, sizeof highText, high, decimals, 0);
    snprintf(out, size, "%s～%s", lowText, highText);
}

void formatRateRange(char* out, size_t size, int hits, int trials)
{
    if (trials <= 0) {
        copyText(out, size, NO_FIGURE);
        return;
    }
    double low, high;
    wilsonInterval(hits, trials, &low, &high);
    snprintf(out, size, "%.1f～%.1f", low, high);
}
