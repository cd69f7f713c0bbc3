#include "text/Text.h"
#include "text/Numbers.h"

#include <gtest/gtest.h>
#include <string.h>

TEST(Text, LiteralsAreCodePage932)
{
    EXPECT_STREQ("\x81\x60", "～");
    EXPECT_STREQ("\x87\x40", "①");
    EXPECT_STREQ("\x81\x46", "：");
    EXPECT_STREQ("\x83\x5c", "ソ");
}

TEST(Text, CopyCutsToTheBuffer)
{
    // cut: the cutting copy (whole characters); log: the game log's byte copy.
    struct Case { const char* source; const char* cut; const char* log; const char* rule; };
    const Case cases[] = {
        { "", "", "", "empty text" },
        { "abc", "abc", "abc", "size - 2 bytes fit" },
        { "abcd", "abcd", "abcd", "size - 1 bytes fit" },
        { "abcde", "abcd", "abcd", "size bytes are cut by one" },
        { "abcdef", "abcd", "abcd", "size + 1 bytes are cut by two" },
        { "abcあ", "abc", "abc\x82", "a two-byte character straddling the end is left out whole" },
        { "aあいう", "aあ", "aあ\x82", "the same after a two-byte character" },
        { "a\x81\x81\x81\x81", "a\x81\x81", "a\x81\x81\x81", "a second byte in the first-byte range" },
        { "ソソ", "ソソ", "ソソ", "second bytes 0x5C, two characters fit" },
        { "ソソa", "ソソ", "ソソ", "a one-byte character after them is cut" },
        { "abc\x82", "abc\x82", "abc\x82", "a lone first byte that fits is not a cut" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        char buffer[5];
        memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(copyText(buffer, sizeof buffer, c.source), strlen(c.cut));
        EXPECT_STREQ(buffer, c.cut);
        memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(copyLogText(buffer, sizeof buffer, c.source), strlen(c.log));
        EXPECT_STREQ(buffer, c.log);
        int fits = strlen(c.source) < sizeof buffer;   // the copy that never cuts: all or nothing
        EXPECT_EQ(copyWholeText(buffer, sizeof buffer, c.source), fits);
        EXPECT_STREQ(buffer, fits ? c.source : "");
    }
    char appended[8] = "ab";
    EXPECT_EQ(appendText(appended, sizeof appended, "cdefgh"), 7u);
    EXPECT_STREQ(appended, "abcdefg");
    char named[8] = "ab";
    EXPECT_EQ(appendText(named, sizeof named, "cdあい"), 6u);
    EXPECT_STREQ(named, "abcdあ");
    char id[ID_SIZE];
    copyText(id, sizeof id, "あいうえおかきく");
    EXPECT_STREQ(id, "あいうえおかき");
}

TEST(Text, DecimalNumbersAreTruncatedTowardZero)
{
    struct Case { const char* text; int value; int consumed; const char* rule; };
    const Case cases[] = {
        { "50", 50, 2, "plain digits" },
        { "  -25 rest", -25, 5, "white space and sign" },
        { "1500.9", 1500, 6, "fraction truncated" },
        { "-2.5", -2, 4, "negative truncated toward zero" },
        { "-0.4", 0, 4, "small negative gives 0" },
        { "1.5e1", 15, 5, "exponent" },
        { "25e-1", 2, 5, "negative exponent" },
        { "1e", 1, 1, "exponent without digits is not part of the number" },
        { "1e+x", 1, 1, "signed exponent without digits" },
        { ".5", 0, 2, "fraction only" },
        { "5.", 5, 2, "point without fraction" },
        { ".", 0, 0, "point alone is no number" },
        { "", 0, 0, "empty" },
        { "abc", 0, 0, "no digits" },
        { "0x10", 0, 1, "no hexadecimal" },
        { "inf", 0, 0, "no infinity" },
        { "nan", 0, 0, "no nan" },
        { "2147483647", 2147483647, 10, "largest int" },
        { "2147483648", 2147483647, 10, "clamped above" },
        { "-2147483649", -2147483647 - 1, 11, "clamped below" },
        { "1e400", 2147483647, 5, "huge exponent clamped" },
        { "0.0000000000000000000000001e30", 100000, 30, "tiny mantissa, large exponent" },
        { "2.99999999999999999999", 2, 22, "exact truncation, no binary rounding" },
        { "1\x96\x9c", 1, 1, "a number followed by 万" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        const char* end = nullptr;
        EXPECT_EQ(readDecimal(c.text, &end), c.value);
        EXPECT_EQ(end - c.text, c.consumed);
    }
}

TEST(Text, DecimalOneAndLeadingIntegers)
{
    EXPECT_EQ(decimalIsOne("1"), 1);
    EXPECT_EQ(decimalIsOne("1.0"), 1);
    EXPECT_EQ(decimalIsOne(" +1e0"), 1);
    EXPECT_EQ(decimalIsOne("0.1e1"), 1);
    EXPECT_EQ(decimalIsOne("2"), 0);
    EXPECT_EQ(decimalIsOne("-1"), 0);
    EXPECT_EQ(decimalIsOne("1.5"), 0);
    EXPECT_EQ(decimalIsOne("yes"), 0);

    EXPECT_EQ(readLeadingInteger("1500abc"), 1500);
    EXPECT_EQ(readLeadingInteger("abc"), 0);
    EXPECT_EQ(readLeadingInteger(" -30"), -30);
    EXPECT_EQ(readLeadingInteger("12.9"), 12);
    EXPECT_EQ(readLeadingInteger("99999999999"), 2147483647);
}
