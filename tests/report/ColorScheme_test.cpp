#include "report/ColorScheme.h"

#include <gtest/gtest.h>

TEST(ColorScheme, EachValueGetsItsRowAndAValueOutsideTheTableTheStandardOne)
{
    struct Case { int scheme; int row; };
    const Case cases[] = { { 0, 0 }, { 1, 1 }, { 2, 2 }, { 3, 3 }, { -1, 0 }, { 4, 0 }, { 1000, 0 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scheme);
        EXPECT_EQ(colorSchemeFor(c.scheme), &colorSchemes[c.row]);
    }
}
