// The three files of a run over the sample log, in each colour scheme, compared byte for byte with
// the committed expectations. The processing time and the folder in the links depend on the machine
// and are masked. VORNIX_UPDATE_GOLDEN=1 writes this run's files over the expectations.
#include "support/GameLogText.h"
#include "report/RangeText.h"
#include "settings/AppPaths.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <ctype.h>
#include <map>
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

// Analyses the sample log for its player with the settings as they are, into the current folder.
// Returns runAnalysis's result, or -2 when the log does not open.
static int analyseSample(void)
{
    copyText(settings.currentId, sizeof settings.currentId, "Sakura77");
    getCurrentDirectory(appPaths.outputFolder, sizeof appPaths.outputFolder);
    if (!openLog(&run.log, SAMPLE_LOG.c_str())) return -2;
    int result = runAnalysis();
    closeLog(&run.log);
    return result;
}

TEST(ReportGolden, SampleLogInEachColourScheme)
{
    for (int scheme = 0; scheme < 4; scheme++) {
        SCOPED_TRACE(scheme);
        RunFolder folder;
        useTestSettings();
        settings.colorScheme = scheme;
        ASSERT_EQ(analyseSample(), 1);

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
    settings.trendCharts = 1;
    ASSERT_EQ(analyseSample(), 1);

    expectGolden(fileBytes("Sakura77_月別集計.xls"), "report-Sakura77-monthly.xls", 0);
    std::string report = maskedReport(fileBytes("分析結果.html"));
    report = cutOut(report, "<h3>☆ Sakura77さんの成績の推移 ☆</h3>", "<h3>", 1);
    report = cutOut(report, "<LI><a href=\"file:///OUTPUT/Sakura77_%E6%9C%88", "</LI>\r\n", 0);
    EXPECT_TRUE(report == fileBytes(GOLDEN + "report-Sakura77-scheme0.html"));
}

// The table by condition as computed here from the parser's records, apart from the run's sums.
// Every row is of one kind; with both kinds in the log each names its kind in a last column.
static std::string independentConditionTable(const std::string& log)
{
    struct Sums { int games = 0, ranks[4] = {}; long long rankSum = 0, scoreSum = 0; double money = 0, rankSquares = 0; };
    std::map<std::string, Sums> seats, lengths[2], lobbies[2], bands[2];
    std::map<int, Sums> rates[2];
    for (ReadGame& read : readLogGames(log)) {
        const GameEntry* g = read.record();
        const Seat& me = g->seats[g->playerSeat];
        double money = 0;
        for (int i = 0; i < g->seatCount; i++) money += g->seats[i].share;
        int hour = isdigit((unsigned char)g->time[0]) && isdigit((unsigned char)g->time[1])
                       ? (g->time[0] - '0') * 10 + g->time[1] - '0' : 99;
        const char* band = hour < 6 ? "0-5時" : hour < 12 ? "6-11時" : hour < 18 ? "12-17時" : hour < 24 ? "18-23時" : "不明";
        int k = g->seatCount == 3;
        for (Sums* s : {&seats[k ? "3人打ち" : "4人打ち"], &lengths[k][g->gameLength == '0' ? "東風戦" : "半荘戦"],
                        &lobbies[k][read.lobby], &rates[k][g->rate], &bands[k][band]}) {
            s->games++;
            if (me.rank >= 1 && me.rank <= 4) s->ranks[me.rank - 1]++;
            s->rankSum += me.rank;
            s->rankSquares += (double)me.rank * me.rank;
            s->scoreSum += me.score;
            s->money += money;
        }
    }
    bool mixed = seats.size() == 2;
    const char* const kinds[] = {"4人打ち", "3人打ち"};
    std::string table = "区分\t条件\t対局数\t平均順位\t1位率\t2位率\t3位率\t4位率\t平均得点\t収支\t1戦あたり収支\t平均順位の95%範囲";
    table += mixed ? "\t人数\r\n" : "\r\n";
    auto row = [&](const char* group, const std::string& name, const Sums& s, int k) {
        char figures[1024];
        double n = s.games;
        snprintf(figures, sizeof figures, "\t%d\t%.2f\t%.1f\t%.1f\t%.1f\t%.1f\t%.2f\t%.0f\t%.0f", s.games, s.rankSum / n,
                 100.0 * s.ranks[0] / n, 100.0 * s.ranks[1] / n, 100.0 * s.ranks[2] / n, 100.0 * s.ranks[3] / n,
                 s.scoreSum / n, s.money, s.money / n);
        Moments rank = {s.games, s.rankSum / n, s.rankSquares - s.rankSum * (s.rankSum / n)};
        char range[256];
        formatMeanRange(range, sizeof range, &rank, 1.0, k ? 3.0 : 4.0, 2);
        table += std::string(group) + "\t" + name + figures + "\t" + range + (mixed ? std::string("\t") + kinds[k] : "") + "\r\n";
    };
    for (int k = 0; k < 2; k++) if (seats.count(kinds[k])) row("人数", kinds[k], seats[kinds[k]], k);
    for (int k = 0; k < 2; k++)
        for (const char* name : {"東風戦", "半荘戦"}) if (lengths[k].count(name)) row("対局", name, lengths[k][name], k);
    for (int k = 0; k < 2; k++) {
        std::vector<std::pair<std::string, Sums>> sorted(lobbies[k].begin(), lobbies[k].end());
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second.games > b.second.games; });
        for (const auto& lobby : sorted) row("ロビー", lobby.first, lobby.second, k);
    }
    for (int k = 0; k < 2; k++) for (const auto& rate : rates[k]) row("レート", std::to_string(rate.first), rate.second, k);
    for (int k = 0; k < 2; k++)
        for (const char* name : {"0-5時", "6-11時", "12-17時", "18-23時", "不明"}) if (bands[k].count(name)) row("時間帯", name, bands[k][name], k);
    return table;
}

// The option 詳しい成績 adds its section, the summary, the latest games, the table by condition and
// its link, and changes nothing else; on generated logs (three-player games among them) the table equals the computation above.
TEST(ReportGolden, DetailsOptionAddsOnlyItsSectionTableAndLink)
{
    RunFolder folder;
    useTestSettings();
    settings.details = 1;
    ASSERT_EQ(analyseSample(), 1);
    EXPECT_TRUE(fileBytes("Sakura77_条件別集計.xls") == independentConditionTable(fileBytes(SAMPLE_LOG)));
    std::string report = maskedReport(fileBytes("分析結果.html"));
    report = cutOut(report, "<div class=\"indentmargin\" id=\"summary\"", "<div class=\"indent\">", 1);
    report = cutOut(report, "<h3 id=\"latest\">", "<h3>", 1);
    report = cutOut(report, "<h3>☆ Sakura77さんの詳しい成績 ☆</h3>", "<h3>", 1);
    report = cutOut(report, "<LI><a href=\"file:///OUTPUT/Sakura77_%E6%9D%A1", "</LI>\r\n", 0);
    EXPECT_TRUE(report == fileBytes(GOLDEN + "report-Sakura77-scheme0.html"));

    for (const char* options : {"--seed 3 --games 3000 --three-player 10", "--seed 9 --games 500 --opponents 8"}) {
        SCOPED_TRACE(options);
        std::string generate = std::string(VORNIX_BINARY_DIR "/tests/tools/vornix-loggen ") + options + " gen.txt";
        ASSERT_EQ(system(generate.c_str()), 0);
        ASSERT_TRUE(openLog(&run.log, "gen.txt"));
        ASSERT_EQ(runAnalysis(), 1);
        closeLog(&run.log);
        EXPECT_TRUE(fileBytes("Sakura77_条件別集計.xls") == independentConditionTable(fileBytes("gen.txt")));
    }
}
