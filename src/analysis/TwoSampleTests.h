#ifndef VORNIX_TWOSAMPLETESTS_H
#define VORNIX_TWOSAMPLETESTS_H
// Two-sided tests of whether two groups of games differ: Welch's t for two means, Fisher's exact
// test for two rates. Each gives the p-value: how often a difference at least this large would
// appear by chance alone if both groups came from the same player of the same level.

struct Moments;

// Welch's t test of the means of a and b, with the Welch-Satterthwaite degrees of freedom. 1 when
// either has fewer than 2 values; without spread on both sides, 0 for different means and 1 for equal.
double welchPValue(const Moments* a, const Moments* b);

// Fisher's exact test of hits1 of n1 against hits2 of n2 (hits at most n): the sum of the
// probabilities, given the total of hits, of every split no likelier than the one seen.
double fisherPValue(int hits1, int n1, int hits2, int n2);

#endif
