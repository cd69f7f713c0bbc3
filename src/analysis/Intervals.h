#ifndef VORNIX_INTERVALS_H
#define VORNIX_INTERVALS_H
// 95 % confidence intervals: of a mean (Student's t with the sample standard deviation) and of a
// rate (Wilson's score interval); the moments of the values they stand on.

// A running mean and sum of squared deviations (Welford's update: no loss of digits on large sums).
struct Moments {
    int count;
    double mean;
    double squares;   // sum of the squared deviations from mean
};

// The z value of a two-sided 95 % interval.
extern const double Z95;

enum { MIN_INTERVAL_GAMES = 10 };   // fewer games get no interval of a mean

// Adds one value to moments.
inline void addToMoments(Moments* moments, double value)
{
    moments->count++;
    double delta = value - moments->mean;
    moments->mean += delta / moments->count;
    moments->squares += delta * (value - moments->mean);
}

// The sample variance (divided by count - 1); 0 with fewer than 2 values.
double sampleVariance(const Moments* moments);

// The moments of the values of whole that are not in part (part taken from whole); all 0 when
// nothing is left.
void subtractMoments(const Moments* whole, const Moments* part, Moments* rest);

// The half width of the mean's interval, t * s / sqrt(count) with the 97.5 % quantile t of Student's
// distribution of count - 1 degrees of freedom; -1 with fewer than 2 values (no width).
double meanWidth(const Moments* moments);

// The mean's interval, its edges kept within lowest and highest (what is possible: 1 to the seats for
// a rank). 0 with fewer than MIN_INTERVAL_GAMES values: too few for an interval worth showing.
int meanInterval(const Moments* moments, double lowest, double highest, double* low, double* high);

// Wilson's interval of hits out of trials, in percent, kept within 0 to 100. trials must be above 0.
void wilsonInterval(int hits, int trials, double* lowPercent, double* highPercent);

#endif
