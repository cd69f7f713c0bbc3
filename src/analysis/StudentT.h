#ifndef VORNIX_STUDENTT_H
#define VORNIX_STUDENTT_H
// Student's t distribution: the two-sided tail of a t value and the quantile, for any degrees of
// freedom above 0 (not only whole numbers: Welch's test gives fractional ones).

// The probability that |T| is at least |t| for T of df degrees of freedom (df above 0); 1 at t = 0.
double tTwoSidedTail(double t, double df);

// The t value q with P(T <= q) = probability, for probability in (0.5, 1) and df above 0; exact to
// about 1e-12 (the root of tTwoSidedTail by bisection).
double tQuantile(double probability, double df);

#endif
