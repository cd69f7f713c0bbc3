#include "text/NumberText.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <math.h>
#include <stdio.h>
#include <string>
#include <vector>

static std::string printed(const char* format, int decimals, double value)
{
    char text[512];
    snprintf(text, sizeof text, format, decimals, value);
    return text;
}

static std::string ratio(long long numerator, long long denominator, int decimals)
{
    char text[512];
    formatRatio(text, sizeof text, numerator, denominator, decimals);
    return text;
}

// The formatters stand in for printf in the monthly table: every digit must be printf's, the
// halves that only look like halves in decimal ("0.15" is below 0.15 as a double) included.
TEST(NumberText, RatiosArePrintfsDigits)
{
    for (int decimals = 0; decimals <= 3; decimals++)
        for (long long denominator = 1; denominator <= 200; denominator++)
            for (long long numerator = -2100; numerator <= 2100; numerator += 7) {
                SCOPED_TRACE(std::to_string(numerator) + " / " + std::to_string(denominator));
                ASSERT_EQ(ratio(numerator, denominator, decimals),
                          printed("%.*f", decimals, (double)numerator / (double)denominator));
            }
    struct Case { long long numerator, denominator; int decimals; const char* rule; };
    const Case cases[] = {
        { 3, 20, 1, "0.15 lies below the half as a double" }, { 1, 8, 2, "0.125 is an exact half: to even" },
        { -1, 1000, 2, "a negative value that rounds to zero keeps its sign" }, { 0, 7, 2, "zero has none" },
        { (1LL << 42) - 1, 3, 2, "the largest numerator computed exactly" }, { 1LL << 42, 3, 2, "printf beyond it" },
        { LLONG_MIN, 1, 2, "the most negative numerator" }, { 5, 0, 2, "no games: printf's inf" },
        { 1234567, INT_MAX, 3, "the largest denominator a month holds" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(ratio(c.numerator, c.denominator, c.decimals),
                  printed("%.*f", c.decimals, (double)c.numerator / (double)c.denominator));
    }
}

TEST(NumberText, WholeNumbersAndIntegersArePrintfs)
{
    const double values[] = { 0.0, -0.0, 0.5, 1.5, 2.5, -0.4, -2.5, 1e15 + 0.5, 9.3e18, -1e300, INFINITY, NAN };
    for (double value : values) {
        char text[512];
        formatWhole(text, sizeof text, value);
        EXPECT_EQ(std::string(text), printed("%.*f", 0, value)) << value;
    }
    const long long integers[] = { 0, 7, -7, LLONG_MAX, LLONG_MIN };
    for (long long value : integers) {
        char text[32];
        formatInteger(text, sizeof text, value);
        EXPECT_EQ(std::string(text), std::to_string(value));
    }
    char cut[4];
    EXPECT_EQ(formatRatio(cut, sizeof cut, -12345, 1, 2), 3u);
    EXPECT_STREQ(cut, "-12");
}

// The charts' coordinates: printf's tenths for values met and for the exact halves between tenths.
TEST(NumberText, TenthsArePrintfs)
{
    std::vector<double> values = { 0.0, -0.0, 0.05, 0.25, -0.25, 0.75, 2.25, -0.04, 1e15 + 0.25, 4.5e17, -1e300,
                                   5e-324, INFINITY, -INFINITY, NAN };
    unsigned long long state = 1;
    for (int i = 0; i < 200000; i++) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        double unit = (double)(state >> 11) / 9007199254740992.0;
        values.push_back((unit - 0.3) * (i % 3 == 0 ? 1200.0 : i % 3 == 1 ? 40.0 : 1e7));
        values.push_back(std::floor(unit * 4000.0) / 4.0 - 500.0);   // quarters: halves of a tenth among them
    }
    for (double value : values) {
        char text[512];
        formatTenths(text, sizeof text, value);
        ASSERT_EQ(std::string(text), printed("%.*f", 1, value)) << value;
    }
}
