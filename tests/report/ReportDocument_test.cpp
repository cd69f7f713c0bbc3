#include "report/ReportDocument.h"

#include "support/ReportCapture.h"
#include "Version.h"

// The head of scheme 0 as the browser receives it.
static const char HEAD_SCHEME_0[] =
    "<HTML>\n"
    "<HEAD>\n"
    "<meta http-equiv=\"Content-type\" content=\"text/html; charset=Shift_JIS\">\n"
    "<style type=\"text/css\"><!--\n"
    "body {font-size:14; color: #660000; background-color: #fde3fc; line-height:1.2; margin: 0 0 10 10}\n"
    "p {margin:5 0 5 12;}\n"
    "h3 {font-size: 18; color: #660000; margin: 16 0 6 0;}\n"
    "h4 {font-size: 15; font-weight: normal; margin: 0 0 0 0;}\n"
    "A:Link, A:Visited, A:Active, A:Hover{color:#dc143c; text-decoration:none;}\n"
    "hr {margin:10 20 0 0;}\n"
    "table.oframe {background: #dc143c; margin 0;}\n"
    "td.oframe {background: #dc143c; padding: 0;}\n"
    "td {font-size: 16; padding: 1 4 0 4; white-space: nowrap;}\n"
    "td.mony {text-align: right; color: #660000; font-size: 16;}\n"
    "td.rank {text-align: right; color: #660000; font-size: 20;}\n"
    "td.recent{text-align: right; color: #660000; font-size: 16;}\n"
    "td.plus {text-align: right; color: #436EEE; font-size: 16;}\n"
    "td.minus {text-align: right; color: #d21f15; font-size: 16;}\n"
    "td.id {text-align: left; font-size: 16; color: #660000;}\n"
    "td.center {text-align: center;}\n"
    "tr.iframe {background: #FFFFFF;}\n"
    "div {margin: 30 0 30 0;}div.indent {margin: 0 0 0 12;}\n"
    "div.indentmargin {margin: 5 0 5 10;}\n"
    "div.indent40 {margin: 0 0 20 40;}\n"
    "div.right {text-align: right; margin: 0 20 0 0;}\n"
    "UL {margin: 0 0 0 30;}\n"
    "-->\n"
    "</style>\n"
    "<TITLE>Vornix ver. " VORNIX_VERSION " 分析結果</TITLE>\n"
    "</HEAD>\n"
    "<BODY>\n";

static std::string headFor(int scheme)
{
    resetRunStateForReport();
    settings.colorScheme = scheme;
    return captureReport([] { writeReportHead("Vornix ver. %s 分析結果", programVersion); });
}

TEST(ReportDocument, HeadOfTheStandardSchemeByteForByte)
{
    EXPECT_EQ(headFor(0), crlf(HEAD_SCHEME_0));
}

TEST(ReportDocument, EachSchemeFillsItsColoursIntoTheStyleSheet)
{
    struct Case {
        int scheme;
        std::vector<const char*> lines;
        const char* rule;
    } cases[] = {
        { 1, { "body {font-size:14; color: #000000; background-color: #ffffff; line-height:1.2; margin: 0 0 10 10}",
               "h3 {font-size: 18; color: #3311dd; margin: 16 0 6 0;}",
               "td.rank {text-align: right; color: #ff1493; font-size: 20;}",
               "td.plus {text-align: right; color: #0000bb; font-size: 16;}",
               "td.minus {text-align: right; color: #ff0000; font-size: 16;}" },
          "white" },
        { 2, { "body {font-size:14; color: #ffffff; background-color: #000000; line-height:1.2; margin: 0 0 10 10}",
               "h3 {font-size: 18; color: #6633ff; margin: 16 0 6 0;}",
               "td.mony {text-align: right; color: #ffffff; font-size: 16;}",
               "td.rank {text-align: right; color: #ffff00; font-size: 20;}",
               "td.recent{text-align: right; color: #ffffff; font-size: 16;}",
               "td.plus {text-align: right; color: #00ffff; font-size: 16;}",
               "td.minus {text-align: right; color: #ff0000; font-size: 16;}",
               "td.id {text-align: left; font-size: 16; color: #ffffff;}" },
          "black: white text on a black page, yellow ranks, cyan plus cells" },
        { 3, { "body {font-size:14; color: #483d8b; background-color: #e6e6fa; line-height:1.2; margin: 0 0 10 10}",
               "h3 {font-size: 18; color: #008b45; margin: 16 0 6 0;}",
               "td.rank {text-align: right; color: #9a32cd; font-size: 20;}",
               "td.plus {text-align: right; color: #1874cd; font-size: 16;}",
               "td.minus {text-align: right; color: #cd6889; font-size: 16;}" },
          "blue" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        std::vector<std::string> lines = crlfLines(headFor(c.scheme));
        for (const char* expected : c.lines)
            EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    }
}

TEST(ReportDocument, ASchemeOutsideTheTableIsTakenAsTheStandardOne)
{
    for (int scheme : { -1, 4, 1000 }) {
        SCOPED_TRACE(scheme);
        EXPECT_EQ(headFor(scheme), crlf(HEAD_SCHEME_0));
    }
}
