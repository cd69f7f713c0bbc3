#include "platform/TextRow.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <math.h>
#include <stdio.h>
#include <string.h>
#include <string>

static std::string wholeText(double value)
{
    FILE* file = tmpfile();
    TextRow row;
    startRow(&row, file);
    rowWhole(&row, value);
    writeRow(&row);
    std::string text = streamBytes(file);
    fclose(file);
    return text;
}

static std::string printfWhole(double value)
{
    char text[400];
    snprintf(text, sizeof text, "%.0f", value);
    return text;
}

TEST(TextRow, WholeNumbersAsPrintfWritesThem)
{
    struct Case { double value; const char* expected; const char* rule; };
    const Case cases[] = {
        { 0.0, "0", "zero" },
        { -0.0, "-0", "negative zero keeps its sign" },
        { -0.4, "-0", "a small negative value rounds to -0" },
        { 0.5, "0", "a half rounds to the even neighbour below" },
        { 1.5, "2", "a half rounds to the even neighbour above" },
        { 2.5, "2", "halves go to even, not away from zero" },
        { -2.5, "-2", "negative halves too" },
        { 1234.6, "1235", "fractions round to nearest" },
        { (double)-1125.0f, "-1125", "a whole float" },
        { 4503599627370497.0, "4503599627370497", "above 2^52 every double is whole" },
        { 9223372036854775807.0, "9223372036854775808", "2^63 goes through printf" },
        { (double)3.4e38f, "339999995214436424907732413799364296704", "the largest floats" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(wholeText(c.value), c.expected);
    }
}

TEST(TextRow, WholeNumbersMatchPrintfOverTheFloatRange)
{
    // Money shares and sums are floats: walk float bit patterns from tiny to huge, both signs, and
    // the halves between whole numbers.
    FILE* file = tmpfile();
    TextRow row;
    startRow(&row, file);
    std::string expected;
    for (unsigned bits = 0x00000001u; bits < 0x7f800000u; bits += 0x00012345u) {
        float value;
        memcpy(&value, &bits, sizeof value);
        double half = floor((double)value) + 0.5;
        for (double v : { (double)value, -(double)value, half, -half }) {
            rowWhole(&row, v);
            rowText(&row, " ");
            expected += printfWhole(v) + " ";
        }
        for (float v : { value, -value }) {
            char* out = putWhole(rowSpace(&row, ROW_WHOLE_ROOM + 1), v);
            *out++ = ' ';
            rowSpaceUsed(&row, out);
            expected += printfWhole(v) + " ";
        }
        writeRow(&row);
    }
    std::string actual = streamBytes(file);
    fclose(file);
    ASSERT_EQ(actual.size(), expected.size());
    EXPECT_TRUE(actual == expected);
}

TEST(TextRow, IntegersTextsAndLongRows)
{
    FILE* file = tmpfile();
    TextRow row;
    startRow(&row, file);
    rowInteger(&row, 0);
    rowByte(&row, '\t');
    rowInteger(&row, -7);
    rowText(&row, "\t");
    rowInteger(&row, LLONG_MIN);
    rowText(&row, "\t");
    rowInteger(&row, LLONG_MAX);
    rowText(&row, "\n");
    EXPECT_EQ(row.length, 47u);   // the bytes as the file holds them
    EXPECT_EQ(writeRow(&row), 1);
    EXPECT_EQ(row.length, 0u);
    EXPECT_EQ(streamBytes(file), "0\t-7\t-9223372036854775808\t9223372036854775807\r\n");

    // Every count of digits, at both of its ends.
    rewind(file);
    startRow(&row, file);
    std::string expected;
    for (unsigned long long power = 1, i = 0; i < 20; i++, power *= 10) {
        for (unsigned long long magnitude : { power - 1, power, power + 1, ULLONG_MAX - power + 1 }) {
            char* out = putDigits(rowSpace(&row, ROW_INTEGER_ROOM + 1), magnitude);
            *out++ = ' ';
            rowSpaceUsed(&row, out);
            rowInteger(&row, -(long long)(magnitude / 2));
            rowByte(&row, ' ');
            char text[64];
            snprintf(text, sizeof text, "%llu %lld ", magnitude, -(long long)(magnitude / 2));
            expected += text;
        }
    }
    writeRow(&row);
    EXPECT_EQ(streamBytes(file).substr(0, expected.size()), expected);

    // A row longer than the buffer is written in pieces, whole; line feeds inside texts too become
    // CR LF.
    std::string longText = std::string(1500, 'x') + "\n" + std::string(1499, 'x');
    rewind(file);
    startRow(&row, file);
    rowText(&row, "ab");
    rowText(&row, longText.c_str());
    rowText(&row, "cd\n");
    for (int i = 0; i < 1500; i++) rowByte(&row, 'y');
    rowField(&row, std::string(1500, 'z').c_str());   // a field across a flush
    // Put texts that fit, don't fit beside the room kept, or don't fit the buffer at all.
    std::string wide(1500, 'w');
    char* out = rowSpace(&row, 100);
    for (size_t length : { (size_t)3, (size_t)950, (size_t)1500, (size_t)2 }) {
        out = putRowBytes(&row, out, wide.c_str(), length, 100);
        EXPECT_GE(row.bytes + row.size - out, 100) << length;
        *out++ = '|';
    }
    rowSpaceUsed(&row, out);
    writeRow(&row);
    std::string longLines = std::string(1500, 'x') + "\r\n" + std::string(1499, 'x');
    EXPECT_EQ(streamBytes(file).substr(0, 8467),
              "ab" + longLines + "cd\r\n" + std::string(1500, 'y') + std::string(1500, 'z') + "www|" +
                  std::string(950, 'w') + "|" + wide + "|ww|");
    fclose(file);
}
