#include "report/HtmlText.h"

#include <gtest/gtest.h>
#include <string>

TEST(HtmlText, EscapesTheFourSpecialBytesOnly)
{
    struct Case {
        const char* text;
        const char* expected;
        const char* rule;
    } cases[] = {
        { "abc", "abc", "plain text stays" },
        { "", "", "empty text" },
        { "a&b", "a&amp;b", "ampersand" },
        { "<!--", "&lt;!--", "a comment opener can no longer hide the rest" },
        { "x>y", "x&gt;y", "greater-than" },
        { "\"q\"", "&quot;q&quot;", "double quotes" },
        { "it's", "it's", "a single quote stays" },
        { "C:\\ソ表\\", "C:\\ソ表\\", "code page 932 characters whose second byte is 0x5C stay whole" },
        { "<ソ&>", "&lt;ソ&amp;&gt;", "double-byte characters between escaped bytes" },
        { "Xあいうえお\x82", "Xあいうえお", "a name cut inside a character loses the lone first byte" },
        { "\x82\x82", "\x82\x82", "a first byte as a second byte is kept" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        char out[HTML_ID_SIZE];
        size_t length = escapeHtml(out, sizeof out, c.text);
        EXPECT_EQ(std::string(out), c.expected);
        EXPECT_EQ(length, strlen(c.expected));
    }
}

TEST(HtmlText, AnIdOfFifteenQuotesFitsWhole)
{
    char out[HTML_ID_SIZE];
    escapeHtml(out, sizeof out, "\"\"\"\"\"\"\"\"\"\"\"\"\"\"\"");
    EXPECT_EQ(strlen(out), 15u * 6);
}

TEST(HtmlText, CutsBeforeAnEntityThatNoLongerFits)
{
    struct Case {
        size_t size;
        const char* expected;
        const char* rule;
    } cases[] = {
        { 0, nullptr, "no room at all: nothing is written" },
        { 1, "", "room for the terminator only" },
        { 2, "a", "one byte" },
        { 6, "a", "the entity needs five bytes, four are left" },
        { 7, "a&amp;", "the entity fits exactly" },
        { 8, "a&amp;b", "everything fits" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        char out[16];
        memset(out, 'Z', sizeof out);
        size_t length = escapeHtml(out, c.size, "a&b");
        if (!c.expected) {
            EXPECT_EQ(length, 0u);
            EXPECT_EQ(out[0], 'Z');
            continue;
        }
        EXPECT_EQ(std::string(out), c.expected);
        EXPECT_EQ(out[c.size], 'Z');
    }
}
