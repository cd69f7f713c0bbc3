#include "report/DetailsSection.h"

#include <gtest/gtest.h>
#include <string>

TEST(DetailsSection, IntervalTexts)
{
    char text[256];
    struct Mean { double mean, width; int decimals; const char* expected; };
    const Mean means[] = {
        {2.5, -1.0, 2, "2.50 ± —"},            // one game: no width
        {2.456, 0.1234, 2, "2.46 ± 0.12"},
        {-12345.4, 6789.6, 0, "-12,345 ± 6,790"},
    };
    for (const Mean& m : means) {
        SCOPED_TRACE(m.expected);
        formatMeanInterval(text, sizeof text, m.mean, m.width, m.decimals);
        EXPECT_STREQ(text, m.expected);
    }
    struct Rate { int hits, trials; const char* expected; };
    const Rate rates[] = {
        {0, 0, "—"},
        {0, 10, "0.0 %（0.0～27.8 %）"},
        {10, 10, "100.0 %（72.2～100.0 %）"},
    };
    for (const Rate& r : rates) {
        SCOPED_TRACE(r.expected);
        formatRateInterval(text, sizeof text, r.hits, r.trials);
        EXPECT_STREQ(text, r.expected);
    }
}
