#include "platform/FileLink.h"

#include <gtest/gtest.h>

TEST(FileLink, EncodesWhatWouldEndOrChangeTheLink)
{
    struct Case {
        const char* path;
        size_t size;
        const char* expected;
        int whole;
        const char* rule;
    };
    const Case cases[] = {
        {"Z:\\out\\No#1_戦績.xls", 64, "Z:\\out\\No%231_戦績.xls", 1, "bug: a \"#\" began the link's fragment"},
        {"100%\\a b\"<`>", 64, "100%25\\a%20b%22%3C%60%3E", 1, "a percent sign, a space and the like"},
        {"ソ表\\x", 64, "ソ表\\x", 1, "a second byte 0x5C stays part of its character"},
        {"ab#", 5, "ab", 0, "an escape that doesn't fit is left out whole"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        char out[64] = "";
        EXPECT_EQ(appendLinkPath(out, c.size, c.path), c.whole);
        EXPECT_STREQ(out, c.expected);
    }
}
