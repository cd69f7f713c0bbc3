#include "report/OpponentSections.h"

#include "report/OpponentOrder.h"
#include "support/ReportCapture.h"

// A section of the lists picked from the table as it stands.
static void writeWithPicks(void (*write)(const OpponentPicks*))
{
    OpponentPicks picks;
    pickShownOpponents(&picks);
    write(&picks);
}

TEST(OpponentSections, AmountFormat)
{
    struct Case {
        float balance;
        const char* expected;
        const char* rule;
    } cases[] = {
        { 0, "0", "zero" },
        { 0.4f, "0", "a fraction is cut" },
        { -0.4f, "-0", "a small loss keeps its sign" },
        { 100, "100", "three digits" },
        { 999, "999", "no comma below a thousand" },
        { 1234.9f, "1,234", "cut toward zero, not rounded" },
        { -1234.9f, "-1,234", "negative" },
        { -1000, "-1,000", "a whole thousand" },
        { 1234567.8f, "1,234,567", "two commas" },
        { 2147483648.0f, "2,147,483,648", "2^31 is written in full" },
        { -4294967296.0f, "-4,294,967,296", "2^32 below zero" },
        { 1099511627776.0f, "1,099,511,627,776", "2^40" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(captureReport([&] { writeAmount(c.balance); }), c.expected);
    }
}

TEST(OpponentSections, RowsByteForByte)
{
    struct Case {
        OpponentRecord record;
        int number;
        RowEnd rowEnd;
        const char* expected;
        const char* rule;
    } cases[] = {
        { opponent("abc", 12, 7, 5, 1234.9f), 1, ROW_END_MOST_PLAYED,
          "<tr><td class=\"mony\"> 1：</td><td class=\"id\">abc</td><td class=\"mony\">12 回</td><td class=\"mony\">7/</td><td class=\"mony\">5</td><td class=\"plus\">1,234 円</td></tr>\n",
          "the most-played list's example row" },
        { opponent("abc", 3, 1, 2, -1234.9f), 16, ROW_END_WORST,
          "<tr><td class=\"mony\">16：</td><td class=\"id\">abc</td><td class=\"mony\">3 回</td><td class=\"mony\">1/</td><td class=\"mony\">2</td><td class=\"minus\">-1,234円</td></tr>\n",
          "a worst row: no blank before the yen sign" },
        { opponent("x", 1, 0, 1, 0), 5, ROW_END_TOP,
          "<tr><td class=\"mony\"> 5：</td><td class=\"id\">x</td><td class=\"mony\">1 回</td><td class=\"mony\">0/</td><td class=\"mony\">1</td><td class=\"plus\">0 円</td></tr>\n",
          "a top row; a balance of 0 is plus" },
        { opponent("x", 1, 0, 1, -0.4f), 5, ROW_END_TOP,
          "<tr><td class=\"mony\"> 5：</td><td class=\"id\">x</td><td class=\"mony\">1 回</td><td class=\"mony\">0/</td><td class=\"mony\">1</td><td class=\"minus\">-0 円</td></tr>\n",
          "-0.4 is minus" },
        { opponent("<!--", 1, 1, 0, 5), 2, ROW_END_TOP,
          "<tr><td class=\"mony\"> 2：</td><td class=\"id\">&lt;!--</td><td class=\"mony\">1 回</td><td class=\"mony\">1/</td><td class=\"mony\">0</td><td class=\"plus\">5 円</td></tr>\n",
          "a name that opens a comment is escaped" },
        { opponent("a&b\"<>", 1, 1, 0, 5), 2, ROW_END_TOP,
          "<tr><td class=\"mony\"> 2：</td><td class=\"id\">a&amp;b&quot;&lt;&gt;</td><td class=\"mony\">1 回</td><td class=\"mony\">1/</td><td class=\"mony\">0</td><td class=\"plus\">5 円</td></tr>\n",
          "every special byte of a name is escaped" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(captureReport([&] { writeOpponentRow(&c.record, c.number, c.rowEnd); }), crlf(c.expected));
    }
}

static const char COLUMN_HEADER[] =
    "<td class=\"id\">ID</td><td class=\"center\">回数</td><td align=\"right\">勝/</td><td arlign=left\">負</td><td class=\"center\">収支</td>\n"
    "</tr>\n";

static std::string mostPlayedRow(const char* name, int games, int number)
{
    char row[512];
    snprintf(row, sizeof row,
             "<tr><td class=\"mony\">%2d：</td><td class=\"id\">%s</td><td class=\"mony\">%d 回</td>"
             "<td class=\"mony\">1/</td><td class=\"mony\">0</td><td class=\"plus\">0 円</td></tr>\n",
             number, name, games);
    return row;
}

TEST(OpponentSections, MostPlayedListWithSixteenOpponentsByteForByte)
{
    resetRunStateForReport();
    setOpponents(numberedOpponents(16));
    std::string expected =
        "<h3>☆ abcさんと、たくさん遊んでくれた人 ＴＯＰ３０ ☆</h3>\n"
        "<div class=\"indent\">\n"
        "<table cellspacing=\"0\"><tr>\n"
        "<td valign=\"top\">\n<table cellspacing=\"0\">\n<tr><td></td>\n" + std::string(COLUMN_HEADER);
    for (int p = 1; p <= 15; p++) expected += mostPlayedRow(("p" + std::to_string(p)).c_str(), 1000 - p, p);
    expected += "</table>\n</td>\n"
                "<td valign=\"top\">\n<table cellspacing=\"0\">\n<tr><td></td>\n" + std::string(COLUMN_HEADER) +
                mostPlayedRow("p16", 984, 16) +
                "</table>\n</td>\n"
                "</tr>\n</table>\n"
                "</div>\n";
    EXPECT_EQ(captureReport([] { writeWithPicks(writeMostPlayedList); }), crlf(expected));
}

TEST(OpponentSections, MostPlayedListColumns)
{
    struct Case {
        int opponents;
        int columns;
        int rows;
        const char* lastNumber;
        const char* rule;
    } cases[] = {
        { 0, 1, 0, nullptr, "no opponent: one column with its header row" },
        { 15, 1, 15, "15：", "15 opponents fill one column" },
        { 16, 2, 16, "16：", "the 16th opens a second column" },
        { 30, 2, 30, "30：", "30 fill both" },
        { 31, 2, 30, "30：", "the 31st is not shown" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        resetRunStateForReport();
        setOpponents(numberedOpponents(c.opponents));
        std::string list = captureReport([] { writeWithPicks(writeMostPlayedList); });
        EXPECT_EQ(occurrences(list, "<td valign=\"top\">"), c.columns);
        EXPECT_EQ(occurrences(list, " 円</td></tr>\r\n"), c.rows);
        if (c.lastNumber) {
            EXPECT_NE(list.find(c.lastNumber), std::string::npos);
        }
        EXPECT_EQ(list.find("31："), std::string::npos);
    }
}

TEST(OpponentSections, RankingOfThreeByteForByte)
{
    resetRunStateForReport();
    setOpponents({ opponent("hi", 2, 2, 0, 1500), opponent("mid", 3, 1, 2, -0.5f), opponent("lo", 1, 0, 1, -800) });
    const char* top[] = {
        "<tr><td class=\"mony\"> 1：</td><td class=\"id\">hi</td><td class=\"mony\">2 回</td><td class=\"mony\">2/</td><td class=\"mony\">0</td><td class=\"plus\">1,500 円</td></tr>\n",
        "<tr><td class=\"mony\"> 2：</td><td class=\"id\">mid</td><td class=\"mony\">3 回</td><td class=\"mony\">1/</td><td class=\"mony\">2</td><td class=\"minus\">-0 円</td></tr>\n",
        "<tr><td class=\"mony\"> 3：</td><td class=\"id\">lo</td><td class=\"mony\">1 回</td><td class=\"mony\">0/</td><td class=\"mony\">1</td><td class=\"minus\">-800 円</td></tr>\n",
    };
    const char* worst[] = {
        "<tr><td class=\"mony\"> 1：</td><td class=\"id\">lo</td><td class=\"mony\">1 回</td><td class=\"mony\">0/</td><td class=\"mony\">1</td><td class=\"minus\">-800円</td></tr>\n",
        "<tr><td class=\"mony\"> 2：</td><td class=\"id\">mid</td><td class=\"mony\">3 回</td><td class=\"mony\">1/</td><td class=\"mony\">2</td><td class=\"minus\">-0円</td></tr>\n",
        "<tr><td class=\"mony\"> 3：</td><td class=\"id\">hi</td><td class=\"mony\">2 回</td><td class=\"mony\">2/</td><td class=\"mony\">0</td><td class=\"plus\">1,500円</td></tr>\n",
    };
    std::string columns =
        "<div class=\"indent\">\n"
        "<table cellspacing=\"0\"><tr>\n"
        "<td valign=\"top\">\n<table cellspacing=\"0\">\n"
        "<tr><td></td><td><strong>トップ２０</strong></td></tr>\n<tr><td></td>\n" + std::string(COLUMN_HEADER) +
        top[0] + top[1] + top[2] +
        "</table>\n</td>\n"
        "<td valign=\"top\">\n<table cellspacing=\"0\">\n"
        "<tr><td></td><td><strong>ワースト２０</strong></td></tr>\n<tr><td></td>\n" + std::string(COLUMN_HEADER) +
        worst[0] + worst[1] + worst[2] +
        "</table>\n</td>\n"
        "</tr>\n</table>\n"
        "</div>\n";
    EXPECT_EQ(captureReport([] { writeWithPicks(writeBalanceRanking); }), crlf("<h3>☆ トータル収支ランキング ☆</h3>\n" + columns));
    EXPECT_EQ(captureReport([] { writeWithPicks(writeMarginRanking); }), crlf("<h3>☆ 勝ち越し・負け越しランキング ☆</h3>\n" + columns));
}

TEST(OpponentSections, RankingColumnsHoldTwentyEach)
{
    resetRunStateForReport();
    setOpponents(numberedOpponents(45));
    std::string ranking = captureReport([] { writeWithPicks(writeBalanceRanking); });
    EXPECT_EQ(occurrences(ranking, " 円</td></tr>\r\n"), 20) << "top rows";
    EXPECT_EQ(occurrences(ranking, "0円</td></tr>\r\n"), 20) << "worst rows";
    size_t worstColumn = ranking.find("ワースト２０");
    ASSERT_NE(worstColumn, std::string::npos);
    EXPECT_NE(ranking.find("<td class=\"id\">p20</td>"), std::string::npos);
    EXPECT_EQ(ranking.find("<td class=\"id\">p21</td>"), std::string::npos);
    EXPECT_EQ(ranking.find("<td class=\"id\">p25</td>"), std::string::npos);
    EXPECT_NE(ranking.find("<td class=\"mony\"> 1：</td><td class=\"id\">p45</td>", worstColumn), std::string::npos);
    EXPECT_NE(ranking.find("<td class=\"mony\">20：</td><td class=\"id\">p26</td>", worstColumn), std::string::npos);
}
