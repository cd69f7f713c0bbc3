#include "analysis/StudentT.h"

#include <math.h>

// The continued fraction of the incomplete beta function (modified Lentz method); it converges fast
// for x below (a + 1) / (a + b + 2), where regularizedBeta uses it.
static double betaFraction(double a, double b, double x)
{
    const double tiny = 1e-300;
    double c = 1.0;
    double d = 1.0 - (a + b) * x / (a + 1.0);
    d = 1.0 / (fabs(d) < tiny ? tiny : d);
    double fraction = d;
    for (int m = 1; m <= 1000; m++) {
        for (int odd = 0; odd < 2; odd++) {
            double term = odd ? -(a + m) * (a + b + m) * x / ((a + 2 * m) * (a + 2 * m + 1.0))
                              : m * (b - m) * x / ((a + 2 * m - 1.0) * (a + 2 * m));
            d = 1.0 + term * d;
            d = 1.0 / (fabs(d) < tiny ? tiny : d);
            c = 1.0 + term / c;
            if (fabs(c) < tiny) c = tiny;
            fraction *= c * d;
            if (odd && fabs(c * d - 1.0) < 1e-15) return fraction;
        }
    }
    return fraction;
}

// The regularized incomplete beta function I_x(a, b).
static double regularizedBeta(double x, double a, double b)
{
    if (x <= 0.0) return 0.0;
    if (x >= 1.0) return 1.0;
    double front = exp(lgamma(a + b) - lgamma(a) - lgamma(b) + a * log(x) + b * log1p(-x));
    if (x < (a + 1.0) / (a + b + 2.0)) return front * betaFraction(a, b, x) / a;
    return 1.0 - front * betaFraction(b, a, 1.0 - x) / b;
}

double tTwoSidedTail(double t, double df)
{
    return regularizedBeta(df / (df + t * t), df / 2.0, 0.5);
}

double tQuantile(double probability, double df)
{
    double tail = 2.0 * (1.0 - probability);
    double low = 0.0;
    double high = 1.0;
    while (tTwoSidedTail(high, df) > tail) high *= 2.0;
    for (int i = 0; i < 200 && high - low > 1e-13 * high; i++) {
        double middle = (low + high) / 2.0;
        if (tTwoSidedTail(middle, df) > tail) low = middle;
        else high = middle;
    }
    return (low + high) / 2.0;
}
