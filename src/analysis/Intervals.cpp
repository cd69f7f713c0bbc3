#include "analysis/Intervals.h"

#include "analysis/StudentT.h"

#include <math.h>

const double Z95 = 1.96;

double sampleVariance(const Moments* moments)
{
    if (moments->count < 2) return 0.0;
    return moments->squares / (moments->count - 1);
}

void subtractMoments(const Moments* whole, const Moments* part, Moments* rest)
{
    *rest = Moments{ whole->count - part->count, 0.0, 0.0 };
    if (rest->count <= 0) {
        *rest = Moments{ 0, 0.0, 0.0 };
        return;
    }
    rest->mean = (whole->mean * whole->count - part->mean * part->count) / rest->count;
    double delta = part->mean - rest->mean;
    rest->squares = whole->squares - part->squares - delta * delta * part->count * rest->count / whole->count;
    if (rest->squares < 0.0) rest->squares = 0.0;   // a rest without spread, less its rounding
}

double meanWidth(const Moments* moments)
{
    if (moments->count < 2) return -1.0;
    double t = tQuantile(0.975, moments->count - 1.0);
    return t * sqrt(sampleVariance(moments)) / sqrt((double)moments->count);
}

// value within lowest and highest: a mean of impossible ranks (a damaged log) still gives low <= high.
static double clamp(double value, double lowest, double highest)
{
    return value < lowest ? lowest : value > highest ? highest : value;
}

int meanInterval(const Moments* moments, double lowest, double highest, double* low, double* high)
{
    if (moments->count < MIN_INTERVAL_GAMES) return 0;
    double width = meanWidth(moments);
    *low = clamp(moments->mean - width, lowest, highest);
    *high = clamp(moments->mean + width, lowest, highest);
    return 1;
}

void wilsonInterval(int hits, int trials, double* lowPercent, double* highPercent)
{
    double n = trials;
    double p = hits / n;
    double z2 = Z95 * Z95;
    double denominator = 1.0 + z2 / n;
    double centre = (p + z2 / (2.0 * n)) / denominator;
    double half = Z95 * sqrt(p * (1.0 - p) / n + z2 / (4.0 * n * n)) / denominator;
    // At 0 % and 100 % the edge is exact in theory; rounding must not show "-0.0" or "100.0" beyond.
    double low = centre - half;
    double high = centre + half;
    *lowPercent = (low < 0.0 ? 0.0 : low) * 100.0;
    *highPercent = (high > 1.0 ? 1.0 : high) * 100.0;
}
