#ifndef VORNIX_HOLM_H
#define VORNIX_HOLM_H
// Holm's step-down correction: of a family of tests shown together, which may be called findings so
// that the chance of any false one, when none is real, stays at most alpha for the whole family.

// The limit of the family's count p-values: a test is a finding when its p-value is below it. The
// smallest p-value is held to alpha / count, the next to alpha / (count - 1), ... and the first that
// fails is the limit (2 when none fails, 0 for an empty family). sorted (count values) is scratch.
double holmLimit(const double* pValues, int count, double alpha, double* sorted);

#endif
