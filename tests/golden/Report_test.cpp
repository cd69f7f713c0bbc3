// The three files of a run over the sample log, in each colour scheme, compared byte for byte with
// the committed expectations. The processing time and the folder in the links depend on the machine
// and are masked. VORNIX_UPDATE_GOLDEN=1 writes this run's files over the expectations.
#include "support/GameLogText.h"
#include "settings/AppPaths.h"

#include <gtest/gtest.h>
#include <regex>

static const std::string SAMPLE_LOG = VORNIX_SOURCE_DIR "/examples/Zentolog.txt";
static const std::string GOLDEN = VORNIX_SOURCE_DIR "/tests/golden/";
static const std::string ACTUAL = VORNIX_BINARY_DIR "/";

// The report with the footer's seconds as 0 and the links' folder as "file:///OUTPUT".
static std::string maskedReport(const std::string& report)
{
    char folderLink[4096];
    formatFileLink(folderLink, sizeof folderLink, appPaths.outputFolder, "");
    std::string masked = report;
    std::string folder = folderLink;
    for (size_t at; (at = masked.find(folder)) != std::string::npos;) masked.replace(at, folder.size(), "file:///OUTPUT/");
    return std::regex_replace(masked, std::regex("Data processing time : [0-9]+ sec"), "Data processing time : 0 sec");
}

// Compares with the expectation goldenName; a differing file is kept beside the build for a look.
// Only the report's own expectations are rewritten by VORNIX_UPDATE_GOLDEN.
static void expectGolden(const std::string& actual, const std::string& goldenName, int updatable = 1)
{
    SCOPED_TRACE(goldenName);
    if (updatable && getenv("VORNIX_UPDATE_GOLDEN")) writeBytes(GOLDEN + goldenName, actual);
    std::string expected = fileBytes(GOLDEN + goldenName);
    ASSERT_NE(expected, "<missing>");
    if (actual != expected) writeBytes(ACTUAL + goldenName, actual);
    EXPECT_TRUE(actual == expected) << "differs; this run's file is " << ACTUAL + goldenName;
}

TEST(ReportGolden, SampleLogInEachColourScheme)
{
    for (int scheme = 0; scheme < 4; scheme++) {
        SCOPED_TRACE(scheme);
        RunFolder folder;
        useTestSettings();
        copyText(settings.currentId, sizeof settings.currentId, "Sakura77");
        settings.colorScheme = scheme;
        getCurrentDirectory(appPaths.outputFolder, sizeof appPaths.outputFolder);
        ASSERT_TRUE(openLog(SAMPLE_LOG.c_str()));
        ASSERT_EQ(runAnalysis(), 1);
        closeLog();

        expectGolden(maskedReport(fileBytes("分析結果.html")), "report-Sakura77-scheme" + std::to_string(scheme) + ".html");
        expectGolden(fileBytes("Sakura77_ID別集計.xls"), "report-Sakura77-opponents.xls");
        expectGolden(fileBytes("Sakura77_戦績.xls"), "Zentolog-Sakura77-games.tsv", 0);
        EXPECT_EQ(fileBytes("Sakura77_月別集計.xls"), "<missing>");
    }
}

// The bytes from the first `from` up to the following `to` (included when keepTo is 0) removed.
static std::string cutOut(const std::string& text, const std::string& from, const std::string& to, int keepTo)
{
    size_t start = text.find(from);
    size_t end = start == std::string::npos ? start : text.find(to, start + from.size());
    if (end == std::string::npos) return text;
    return text.substr(0, start) + text.substr(keepTo ? end : end + to.size());
}

// The progress option adds its section, the monthly table and the table's link, and changes nothing
// else. The table's rows were checked by hand against the per-game table.
TEST(ReportGolden, ProgressOptionAddsOnlyItsSectionTableAndLink)
{
    RunFolder folder;
    useTestSettings();
    copyText(settings.currentId, sizeof settings.currentId, "Sakura77");
    settings.trendCharts = 1;
    getCurrentDirectory(appPaths.outputFolder, sizeof appPaths.outputFolder);
    ASSERT_TRUE(openLog(SAMPLE_LOG.c_str()));
    ASSERT_EQ(runAnalysis(), 1);
    closeLog();

    expectGolden(fileBytes("Sakura77_月別集計.xls"), "report-Sakura77-monthly.xls", 0);
    std::string report = maskedReport(fileBytes("分析結果.html"));
    report = cutOut(report, "<h3>☆ Sakura77さんの成績の推移 ☆</h3>", "<h3>", 1);
    report = cutOut(report, "<LI><a href=\"file:///OUTPUT/Sakura77_%E6%9C%88", "</LI>\r\n", 0);
    EXPECT_TRUE(report == fileBytes(GOLDEN + "report-Sakura77-scheme0.html"));
}
