#ifndef VORNIX_REPORTTESTSUPPORT_H
#define VORNIX_REPORTTESTSUPPORT_H
// Helpers of the report tests: capturing what a writer puts on reportStream, filling the run state by
// hand, and a temporary output folder.

#include "analysis/GameEntryParser.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerStats.h"
#include "analysis/RunState.h"
#include "platform/platform.h"
#include "report/Report.h"
#include "settings/Settings.h"
#include "support/RecordingPlatform.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>
#include <string.h>
#include <string>
#include <vector>

// The text with every "\n" turned into CR LF: the form every output file has.
inline std::string crlf(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

inline std::string readStream(FILE* file)
{
    std::string bytes;
    rewind(file);
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    return bytes;
}

// The whole content of a file by its code page 932 name; "<missing>" when it can't be opened.
inline std::string readFileBytes(const char* name)
{
    FILE* file = openFile(name, "rb");
    if (!file) return "<missing>";
    std::string bytes = readStream(file);
    fclose(file);
    return bytes;
}

// Runs write() with reportStream on a temporary file and returns the bytes it wrote.
template <typename Writer> std::string captureReport(Writer write)
{
    reportStream = tmpfile();
    write();
    std::string bytes = readStream(reportStream);
    fclose(reportStream);
    reportStream = NULL;
    return bytes;
}

inline OpponentRecord opponent(const char* name, int games, int above, int below, float balance,
                               float moneyWon = 0, float moneyLost = 0)
{
    OpponentRecord r;
    memset(&r, 0, sizeof r);
    copyText(r.name, sizeof r.name, name);
    r.games = games;
    r.above = above;
    r.below = below;
    r.moneyWon = moneyWon;
    r.moneyLost = moneyLost;
    r.balance = balance;
    return r;
}

// Replaces the opponent table's records with these (the storage is reallocated to fit).
inline void setOpponents(const std::vector<OpponentRecord>& records)
{
    int capacity = OPPONENT_GROWTH * ((int)records.size() / OPPONENT_GROWTH + 1);
    OpponentTable& table = run.opponentTable;
    table.records = (OpponentRecord*)realloc(table.records, sizeof(OpponentRecord) * capacity);
    ASSERT_NE(run.opponentTable.records, nullptr);
    memset(run.opponentTable.records, 0, sizeof(OpponentRecord) * capacity);
    for (size_t i = 0; i < records.size(); i++) run.opponentTable.records[i] = records[i];
    run.opponentTable.capacity = capacity;
    run.opponentTable.lastUsed = (int)records.size() - 1;
}

// n opponents named "p1".."pn" where p1 has the most games.
inline std::vector<OpponentRecord> numberedOpponents(int n)
{
    std::vector<OpponentRecord> records;
    for (int i = 1; i <= n; i++) {
        std::string name = "p" + std::to_string(i);
        records.push_back(opponent(name.c_str(), 1000 - i, 1, 0, 0));
    }
    return records;
}

// Names of the opponent table's records in their present order.
inline std::vector<std::string> opponentNames(void)
{
    std::vector<std::string> names;
    for (int i = 0; i < opponentCount(); i++) names.push_back(run.opponentTable.records[i].name);
    return names;
}

// A cleared run state for the player "abc" with the default range and scheme 0.
inline void resetRunStateForReport(void)
{
    resetSettings();
    applyDefaults();
    copyText(settings.currentId, sizeof settings.currentId, "abc");
    resetRunState();
    setOpponents({});
}

// Number of times needle occurs in haystack.
inline int occurrences(const std::string& haystack, const std::string& needle)
{
    int count = 0;
    for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, at + 1)) count++;
    return count;
}

// The lines of a text that ends each line with CR LF (the CR LF removed).
inline std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// A fresh temporary folder made the current directory for the test's lifetime.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        char pattern[] = "/tmp/vornix-report-XXXXXX";
        path = mkdtemp(pattern);
        previous.resize(4096);
        if (!getcwd(&previous[0], previous.size())) previous = "/";
        previous.resize(strlen(previous.c_str()));
        if (chdir(path.c_str()) != 0) ADD_FAILURE() << "cannot enter " << path;
    }
    ~TemporaryFolder()
    {
        if (chdir(previous.c_str()) != 0) return;
        std::string command = "rm -rf '" + path + "'";
        if (system(command.c_str()) != 0) ADD_FAILURE() << "cannot remove " << path;
    }
    std::string path;

private:
    std::string previous;
};

#endif
