#ifndef VORNIX_INTERVALS_H
#define VORNIX_INTERVALS_H
// 95 % confidence intervals: of a mean (Student's t with the sample standard deviation), of a rate
// (Wilson's score interval), and of the difference of two means or two rates; and the blocks of the
// recent-form comparison.

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
void addToMoments(Moments* moments, double value);

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

// The half width of the difference of two means: Z95 * sqrt(v1 / n1 + v2 / n2) with the sample
// variances v; both counts must be above 0.
double meanDifferenceWidth(const Moments* a, const Moments* b);

// The half width of the difference of two rates (0 to 1) of n1 and n2 trials, both above 0:
// Z95 * sqrt(p1 (1 - p1) / n1 + p2 (1 - p2) / n2).
double rateDifferenceWidth(double p1, int n1, double p2, int n2);

enum { MAX_COMPARISONS = 2, COMPARED_GAMES = 1000 };   // the largest comparison: 500 against 500

// The block sizes N of the recent-form comparisons for a run of `games` games, into sizes (at most
// MAX_COMPARISONS): 100 from 200 games on, and 500 as well from 1,000 on; below 200 games, half the
// games rounded down when that is at least 10. Returns how many there are (0 to 2).
int comparisonSizes(int games, int sizes[MAX_COMPARISONS]);

// The verdict of a difference (later block minus earlier) against its width: 1 improved, -1 worse, 0
// within chance (not larger than the width). lowerIsBetter: a fall is an improvement.
int compareVerdict(double difference, double width, int lowerIsBetter);

#endif
