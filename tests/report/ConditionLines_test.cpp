#include "report/ConditionLines.h"

#include "analysis/RunState.h"
#include "support/ReportCapture.h"
#include "support/SelectionConditions.h"

TEST(ConditionLines, NameTheConditionsSetInTheirOrder)
{
    struct Case {
        SelectionConditions conditions;
        const char* line;
        const char* rule;
    };
    const Case cases[] = {
        {"", "", "", 0, 0, "", "none set: nothing"},
        {"2024/01/01", "", "", 0, 0, "分析条件：2024/01/01～<BR>\r\n", "an open last day"},
        {"", "2024/06/30", "", 0, 0, "分析条件：～2024/06/30<BR>\r\n", "an open first day"},
        {"", "", "上級;<&>\";", LENGTH_TONPU, 0, "分析条件：ロビー：上級・&lt;&amp;&gt;&quot;、東風戦<BR>\r\n",
         "lobbies escaped and joined"},
        {"2024/01/01", "2024/06/30", "a;", LENGTH_HANCHAN, 3,
         "分析条件：2024/01/01～2024/06/30、ロビー：a、半荘戦、3人打ち<BR>\r\n", "all, in order"},
        {"", "", "", 0, 4, "分析条件：4人打ち<BR>\r\n", "four seats"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        resetSettings();
        resetRunStateForReport();
        setConditions(c.conditions);
        EXPECT_EQ(captureReport(writeConditionLines), c.line);
    }
}

TEST(ConditionLines, NameTheFirstTenSkippedEntries)
{
    resetSettings();
    resetRunStateForReport();
    run.skippedEntries = 2;
    run.skippedLines[0] = 12;
    run.skippedLines[1] = 40;
    EXPECT_EQ(captureReport(writeConditionLines),
              "読み飛ばした壊れた対局：<span style=\"font-size:20\">2</span> 件（12、40 行目）<BR>\r\n");
    run.skippedEntries = 11;
    for (int i = 0; i < SKIPPED_LINES_KEPT; i++) run.skippedLines[i] = i + 1;
    EXPECT_EQ(captureReport(writeConditionLines),
              "読み飛ばした壊れた対局：<span style=\"font-size:20\">11</span> 件（1、2、3、4、5、6、7、8、9、10、… 行目）<BR>\r\n");
}
