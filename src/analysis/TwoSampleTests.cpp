#include "analysis/TwoSampleTests.h"

#include "analysis/Intervals.h"
#include "analysis/StudentT.h"

#include <math.h>

double welchPValue(const Moments* a, const Moments* b)
{
    if (a->count < 2 || b->count < 2) return 1.0;
    double va = sampleVariance(a) / a->count;
    double vb = sampleVariance(b) / b->count;
    double difference = a->mean - b->mean;
    if (va + vb <= 0.0) return difference == 0.0 ? 1.0 : 0.0;
    double t = difference / sqrt(va + vb);
    double df = (va + vb) * (va + vb) / (va * va / (a->count - 1) + vb * vb / (b->count - 1));
    double p = tTwoSidedTail(t, df);
    return p >= 0.0 && p <= 1.0 ? p : 1.0;   // amounts beyond any double's range tell nothing
}

static double logChoose(int n, int k)
{
    return lgamma(n + 1.0) - lgamma(k + 1.0) - lgamma(n - k + 1.0);
}

double fisherPValue(int hits1, int n1, int hits2, int n2)
{
    int hits = hits1 + hits2;
    int games = n1 + n2;
    double denominator = logChoose(games, n1);
    double seen = logChoose(hits, hits1) + logChoose(games - hits, n1 - hits1) - denominator;
    int lowest = hits - n2 > 0 ? hits - n2 : 0;
    int highest = hits < n1 ? hits : n1;
    double p = 0.0;
    for (int k = lowest; k <= highest; k++) {
        double logP = logChoose(hits, k) + logChoose(games - hits, n1 - k) - denominator;
        // A relative margin keeps the seen split's twins, equal in exact arithmetic, in the sum.
        if (logP <= seen + 1e-7) p += exp(logP);
    }
    return p > 1.0 ? 1.0 : p;
}
