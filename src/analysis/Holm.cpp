#include "analysis/Holm.h"

#include <stdlib.h>
#include <string.h>

static int compareValues(const void* a, const void* b)
{
    double x = *(const double*)a;
    double y = *(const double*)b;
    return x < y ? -1 : x > y ? 1 : 0;
}

double holmLimit(const double* pValues, int count, double alpha, double* sorted)
{
    if (count <= 0) return 0.0;
    memcpy(sorted, pValues, sizeof(double) * (size_t)count);
    qsort(sorted, (size_t)count, sizeof(double), compareValues);
    for (int i = 0; i < count; i++) {
        if (sorted[i] > alpha / (count - i)) return sorted[i];
    }
    return 2.0;   // every test a finding: above any p-value
}
