#include "analysis/ConditionContrasts.h"

#include "analysis/Holm.h"
#include "analysis/TwoSampleTests.h"

// The moments of the games of the group that begins at rows[first] and ends before rows[*end].
static void groupMoments(const ContrastRow* rows, int count, int first, int* end, Moments* group)
{
    *group = Moments{ 0, 0.0, 0.0 };
    int i = first;
    for (; i < count && rows[i].group == rows[first].group; i++) {
        const Moments* row = &rows[i].rank;
        if (row->count == 0) continue;
        // Chan's merge of two sets of moments.
        int total = group->count + row->count;
        double delta = row->mean - group->mean;
        group->squares += row->squares + delta * delta * group->count * row->count / total;
        group->mean += delta * row->count / total;
        group->count = total;
    }
    *end = i;
}

void markContrasts(ContrastRow* rows, int count, double* scratch)
{
    double* pValues = scratch;
    int tested = 0;
    for (int first = 0, end = 0; first < count; first = end) {
        Moments group, rest;
        groupMoments(rows, count, first, &end, &group);
        for (int i = first; i < end; i++) {
            subtractMoments(&group, &rows[i].rank, &rest);
            rows[i].mark = 0;
            if (rows[i].rank.count < MIN_INTERVAL_GAMES || rest.count < MIN_INTERVAL_GAMES) continue;
            pValues[tested++] = welchPValue(&rows[i].rank, &rest);
            rows[i].mark = rows[i].rank.mean < rest.mean ? -1 : 1;   // kept only when it passes below
        }
    }
    double limit = holmLimit(pValues, tested, 0.05, scratch + count);
    for (int i = 0, at = 0; i < count; i++) {
        if (rows[i].mark == 0) continue;
        if (!(pValues[at++] < limit)) rows[i].mark = 0;
    }
}
