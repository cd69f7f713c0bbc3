#include "report/RangeText.h"

#include "analysis/Intervals.h"

#include <gtest/gtest.h>
#include <vector>

TEST(RangeText, RangesAndFigures)
{
    char text[256];
    struct Mean { std::vector<double> values; int decimals; const char* expected; };
    const Mean means[] = {
        {{1, 2, 3, 4, 1, 2, 3, 4, 1}, 2, "—"},                 // nine games: no range
        {{1, 1, 1, 1, 1, 1, 1, 1, 1, 4}, 2, "1.00～1.98"},     // clipped at rank 1
        {{-12345, 20000, 500, -3000, 7000, 150, -800, 12000, -4000, 2500}, 0, "-4,238～8,639"},   // yen
    };
    for (const Mean& m : means) {
        SCOPED_TRACE(m.expected);
        Moments moments = {};
        for (double value : m.values) addToMoments(&moments, value);
        formatMeanRange(text, sizeof text, &moments, m.decimals ? 1.0 : -1e300, m.decimals ? 4.0 : 1e300, m.decimals);
        EXPECT_STREQ(text, m.expected);
    }
    struct Rate { int hits, trials; const char* expected; };
    const Rate rates[] = { {0, 0, "—"}, {0, 10, "0.0～27.8"} };
    for (const Rate& r : rates) {
        SCOPED_TRACE(r.expected);
        formatRateRange(text, sizeof text, r.hits, r.trials);
        EXPECT_STREQ(text, r.expected);
    }
}
