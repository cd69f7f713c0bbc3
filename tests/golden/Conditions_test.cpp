// Runs with conditions and with the tolerant reading against runs without them over logs from which
// the entries outside the conditions, or the broken entries, were removed: the three files must be
// the same but for the processing time and the lines that name the conditions and the skipped entries.
#include "settings/AnalysisConditions.h"
#include "settings/AppPaths.h"
#include "support/GameLogText.h"
#include "support/SelectionConditions.h"

#include <gtest/gtest.h>
#include <map>
#include <math.h>
#include <regex>
#include <stdint.h>

namespace {

// One generated entry and what the conditions look at.
struct Entry {
    std::string text;
    std::string date;
    std::string lobby;
    char flag;
    int seats;
};

uint64_t randomState = 7;

int randomBelow(int n)
{
    randomState = randomState * 6364136223846793005ULL + 1442695040888963407ULL;
    return (int)((randomState >> 33) % (uint64_t)n);
}

const char* const LOBBIES[] = {"上級ロビー", "一般ロビー", "東南戦ロビー"};
const char* const RATES[] = {"(点200)", "(点50)", "(東1万/半2万)"};

// Mixed entries: four and three seats in any order, dates over three years (some date texts not
// well-formed), three lobbies, both game lengths; "Me" at most tables, at any seat.
std::vector<Entry> generateEntries(int count)
{
    std::vector<Entry> entries;
    for (int i = 0; i < count; i++) {
        Entry e;
        char date[32];
        snprintf(date, sizeof date, randomBelow(15) ? "%04d/%02d/%02d" : "%04d/%d/%d ", 2023 + randomBelow(3),
                 1 + randomBelow(12), 1 + randomBelow(28));
        e.date = date;
        int lobby = randomBelow(3);
        e.lobby = LOBBIES[lobby];
        e.flag = randomBelow(2) ? '1' : '0';
        e.seats = randomBelow(4) ? 4 : 3;
        int playerSeat = randomBelow(5);   // 4: not seated
        e.text = "<" + e.lobby + RATES[lobby] + "：卓" + std::to_string(i % 50) + ">\r\n " + e.flag + ":対局\r\n[" +
                 e.date + " 21:05]\r\n";
        std::vector<std::pair<int, int>> results;
        int sum = 0;
        for (int seat = 0; seat < e.seats; seat++) {
            std::string name = seat == playerSeat ? "Me" : "P" + std::to_string(randomBelow(12));
            e.text += "#" + name + " 初段\r\n";
            int score = seat + 1 < e.seats ? randomBelow(81) - 40 : -sum;
            sum += score;
            results.push_back({seat + 1, score});
        }
        if (e.seats == 3) e.text += "=三人打ち\r\n";
        e.text += " 東1局 流局\r\n";
        std::string result = ">";
        for (const auto& r : results) {
            char group[32];
            snprintf(group, sizeof group, "%-4d%+5d ", r.first, r.second);
            result += group;
        }
        e.text += result + "\r\n";
        entries.push_back(e);
    }
    return entries;
}

std::string joined(const std::vector<Entry>& entries, bool (*keep)(const Entry&))
{
    std::string log = "牌譜\r\n";
    for (const Entry& e : entries)
        if (keep(e)) log += e.text;
    return log;
}

struct RunFiles {
    std::string report, games, opponents;
};

// Runs over the log in the current folder; the report without its processing time and the lines
// naming conditions and skipped entries.
RunFiles runFiles(const std::string& log)
{
    getCurrentDirectory(appPaths.outputFolder, sizeof appPaths.outputFolder);
    EXPECT_EQ(runLog(log), 1);
    std::string report = std::regex_replace(fileBytes("分析結果.html"), std::regex("Data processing time : [0-9]+ sec"), "");
    report = std::regex_replace(report, std::regex("(分析条件|読み飛ばした壊れた対局)：[^\n]*\n"), "");
    return {report, fileBytes("Me_戦績.xls"), fileBytes("Me_ID別集計.xls")};
}

void expectSameFiles(const RunFiles& a, const RunFiles& b)
{
    EXPECT_TRUE(a.report == b.report) << "the reports differ";
    EXPECT_TRUE(a.games == b.games) << "the per-game tables differ";
    EXPECT_TRUE(a.opponents == b.opponents) << "the per-opponent tables differ";
}

bool keepAll(const Entry&) { return true; }

}  // namespace

TEST(ConditionsIntegration, ARunWithConditionsIsARunOverTheEntriesWithinThem)
{
    struct Case {
        SelectionConditions conditions;
        bool (*inside)(const Entry&);
        const char* rule;
    };
    const Case cases[] = {
        {"2024/01/01", "2024/06/30", "", 0, 0,
         [](const Entry& e) { return isWellFormedDate(e.date.c_str()) && e.date >= "2024/01/01" && e.date <= "2024/06/30"; },
         "a period"},
        {"", "", "上級ロビー;東南戦ロビー;", 0, 0, [](const Entry& e) { return e.lobby != "一般ロビー"; }, "two lobbies"},
        {"", "", "", LENGTH_TONPU, 0, [](const Entry& e) { return e.flag == '0'; }, "東風戦"},
        {"", "", "", 0, 4, [](const Entry& e) { return e.seats == 4; }, "four seats"},
        {"2024/03/01", "", "一般ロビー;", LENGTH_HANCHAN, 3,
         [](const Entry& e) {
             return isWellFormedDate(e.date.c_str()) && e.date >= "2024/03/01" && e.lobby == "一般ロビー" &&
                    e.flag != '0' && e.seats == 3;
         },
         "all of them"},
    };
    std::vector<Entry> entries = generateEntries(600);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        useTestSettings();
        setConditions(c.conditions);
        RunFiles withConditions = runFiles(joined(entries, keepAll));
        EXPECT_NE(fileBytes("分析結果.html").find("分析条件："), std::string::npos);
        useTestSettings();
        expectSameFiles(withConditions, runFiles(joined(entries, c.inside)));
    }
}

TEST(ConditionsIntegration, TolerantReadingIsAReadOfTheLogWithoutTheBrokenEntries)
{
    std::vector<Entry> entries = generateEntries(400);
    const char* const broken[] = {
        "<上級ロビー(点3万)：卓1>\r\n 1\r\n[2024/01/01 10:00]\r\n#Me\r\n#A\r\n#B\r\n#C\r\n>1     +30 2     +10 3     -15 4     -25\r\n",
        "<一般ロビー(点50)：卓2>\r\n 1\r\n[2024/01/01 10:00]\r\n#Me\r\n#A\r\n#B\r\n#C\r\n>1     +30 2     +10 3     -15 4     -24\r\n",
        "<一般ロビー(点50)：卓3>\r\n 1\r\n[2024/01/01 10:00]\r\n#Me\r\n#A\r\n=B\r\n#C\r\n>1     +30 2     +10 3     -15 4     -25\r\n",
        "<一般ロビー(点50)：卓4>\r\n 1\r\n[2024/01/01 10:00]\r\n#A\r\n#Me\r\n#B\r\n=三人打ち\r\n>1     +30 2     +10\r\n",
    };
    std::vector<Entry> damaged;
    for (size_t i = 0; i < entries.size(); i++) {
        if (i % 50 == 7) damaged.push_back({broken[(i / 50) % 4], "", "", '1', 4});
        damaged.push_back(entries[i]);
    }
    RunFolder folder;
    useTestSettings();
    settings.skipBroken = 1;
    RunFiles tolerant = runFiles(joined(damaged, keepAll));
    EXPECT_EQ(run.skippedEntries, 8);
    useTestSettings();
    expectSameFiles(tolerant, runFiles(joined(entries, keepAll)));
}

namespace {

// A run with the options that give place figures over the games with `seats` seats (0: both kinds):
// its report, monthly table and table by condition.
std::vector<std::string> splitRun(const std::string& log, int seats)
{
    useTestSettings();
    settings.seats = seats;
    settings.trendCharts = settings.details = 1;
    std::string report = runFiles(log).report;
    return {report, fileBytes("Me_月別集計.xls"), fileBytes("Me_条件別集計.xls")};
}

// The rows of a table (its header left out) that hold mark, its last occurrence taken off.
std::vector<std::string> kindRows(const std::string& table, const std::string& mark)
{
    std::vector<std::string> lines = crlfLines(table), kept;
    for (size_t i = 1; i < lines.size(); i++)
        if (lines[i].rfind(mark) != std::string::npos) kept.push_back(lines[i].erase(lines[i].rfind(mark), mark.size()));
    return kept;
}

// The text from the first `from` to the following `to`.
std::string between(const std::string& text, const std::string& from, const std::string& to)
{
    size_t start = text.find(from) + from.size();
    return start < from.size() ? "<missing>" : text.substr(start, text.find(to, start) - start);
}

}  // namespace

// A history of both kinds gives each place figure of a kind as the run of that kind alone does; the
// figures that do not depend on the seats are over both.
TEST(ConditionsIntegration, AMixedRunGivesEachKindTheFiguresOfItsOwnRun)
{
    std::string log = joined(generateEntries(600), keepAll);
    RunFolder folder;
    std::vector<std::string> mixed = splitRun(log, 0), four = splitRun(log, 4), three = splitRun(log, 3);
    auto games = [](const std::vector<std::string>& files) { return stoi(between(files[0], "闘牌回数：<span style=\"font-size:20\">", "<")); };
    EXPECT_EQ(games(mixed), games(four) + games(three));
    for (const std::string label : {"平均順位", "平均得点", "1位率", "2位率", "3位率", "4位率"}) {
        // The mixed row's first cell is the four-player figure, its second the three-player one.
        std::string row = "<tr><td>" + label + "：</td><td class=\"rank\">", cell = "</td><td class=\"rank\">";
        EXPECT_EQ(between(mixed[0], row, cell), between(four[0], row, "</td>")) << label;
        EXPECT_EQ(between(mixed[0], row + between(mixed[0], row, cell) + cell, "</td>"),
                  label == "4位率" ? "―" : between(three[0], row, "</td>")) << label;
    }
    EXPECT_EQ(kindRows(mixed[1], "（4人）"), kindRows(four[1], ""));
    EXPECT_EQ(kindRows(mixed[1], "（3人）"), kindRows(three[1], ""));
    EXPECT_EQ(kindRows(mixed[2], "\t4人打ち"), kindRows(four[2], ""));
    EXPECT_EQ(kindRows(mixed[2], "\t3人打ち"), kindRows(three[2], ""));
    // The note follows the last comparison: the three-player games, fewer than 100, have none.
    const std::string form = "<h4>最近の調子</h4>\r\n", note = "<p>直近の対局を";
    EXPECT_EQ(between(mixed[0], "<p>4人打ち（" + std::to_string(games(four)) + " 戦）</p>\r\n", "<p>3人打ち"), between(four[0], form, note));
    EXPECT_EQ(between(mixed[0], "<p>3人打ち（" + std::to_string(games(three)) + " 戦）</p>\r\n", note), between(three[0], form, "</div>"));
}

namespace {

// The per-opponent table's rows by name: games, above, below and the three money columns.
std::map<std::string, std::vector<double>> opponentRows(const std::string& table)
{
    std::map<std::string, std::vector<double>> rows;
    std::vector<std::string> lines = crlfLines(table);
    for (size_t i = 1; i < lines.size(); i++) {
        size_t tab = lines[i].find('\t');
        std::vector<double>& row = rows[lines[i].substr(0, tab)];
        for (; tab != std::string::npos; tab = lines[i].find('\t', tab + 1)) row.push_back(atof(lines[i].c_str() + tab + 1));
    }
    return rows;
}

}  // namespace

// One player under two IDs in turn: the run over both holds the rows, totals and opponent figures
// of the two runs over each, and neither ID is ever an opponent; a table seating both is nobody's.
TEST(ConditionsIntegration, ARunOverTwoIdsIsTheRunsOverEachPutTogether)
{
    std::vector<Entry> entries = generateEntries(400);
    for (size_t i = 200; i < entries.size(); i++) entries[i].text = std::regex_replace(entries[i].text, std::regex("#Me "), "#Alt ");
    std::vector<Entry> withBoth = entries;
    const char both[] = "<上級ロビー(点200)：卓9>\r\n 1:対局\r\n[2024/01/01 10:00]\r\n#Me 初段\r\n#P1\r\n#Alt\r\n#P2\r\n"
                        ">1     +30 2     +10 3     -15 4     -25\r\n";
    for (size_t at : {350, 120, 3}) withBoth.insert(withBoth.begin() + at, {both, "", "", '1', 4});
    RunFolder folder;
    useTestSettings();
    copyText(settings.alsoIds, sizeof settings.alsoIds, "Alt;");
    runFiles(joined(withBoth, keepAll));
    EXPECT_EQ(run.twoIdEntries, 3);
    EXPECT_NE(fileBytes("分析結果.html").find("対象のID：Me、Alt<BR>"), std::string::npos);
    auto totals = [] {
        const PlayerTotals& t = run.playerTotals;
        return std::vector<long long>{t.games, t.wins, t.rankSum, t.scoreSum};
    };
    std::vector<long long> merged = totals(), summed(merged.size());
    std::vector<std::string> rows = crlfLines(fileBytes("Me_戦績.xls"));
    std::map<std::string, std::vector<double>> opponents = opponentRows(fileBytes("Me_ID別集計.xls"));
    EXPECT_EQ(opponents.count("Me") + opponents.count("Alt"), 0u);

    std::vector<std::string> alone = {crlfLines(gameTableBytes())[0]};
    std::map<std::string, std::vector<double>> sums;
    for (const char* id : {"Me", "Alt"}) {
        useTestSettings();
        copyText(settings.currentId, sizeof settings.currentId, id);
        runFiles(joined(entries, keepAll));
        std::vector<std::string> lines = crlfLines(gameTableBytes());
        alone.insert(alone.end(), lines.begin() + 1, lines.end());
        for (size_t f = 0; f < merged.size(); f++) summed[f] += totals()[f];
        for (auto& [name, row] : opponentRows(fileBytes(std::string(id) + "_ID別集計.xls"))) {
            std::vector<double>& sum = sums[name];
            sum.resize(row.size());
            for (size_t f = 0; f < row.size(); f++) sum[f] += row[f];
        }
    }
    EXPECT_TRUE(rows == alone) << "the per-game rows differ";
    EXPECT_EQ(merged, summed) << "games, wins, rank and score sums";
    ASSERT_EQ(opponents.size(), sums.size());
    for (auto& [name, row] : opponents)
        for (size_t f = 0; f < row.size(); f++) EXPECT_NEAR(row[f], sums[name][f], 1.0 + 1e-6 * fabs(row[f])) << name;
}
