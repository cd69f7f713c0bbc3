#ifndef VORNIX_TEST_REPORTCAPTURE_H
#define VORNIX_TEST_REPORTCAPTURE_H
// Helpers of the report tests: capturing what a writer puts on reportStream and filling the run
// state by hand.

#include "analysis/GameEntryParser.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerStats.h"
#include "analysis/RunState.h"
#include "platform/platform.h"
#include "report/Report.h"
#include "settings/Settings.h"
#include "support/FileBytes.h"
#include "support/RecordingPlatform.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

// Runs write() with reportStream on a temporary file and returns the bytes it wrote.
template <typename Writer> std::string captureReport(Writer write)
{
    reportStream = tmpfile();
    write();
    std::string bytes = streamBytes(reportStream);
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

// Replaces the opponent table's records with these, entered under names of their own and then
// overwritten (names may repeat; the index is left unsound, and the next run clears it).
inline void setOpponents(const std::vector<OpponentRecord>& records)
{
    clearOpponentTable(&run.opponentTable);
    for (size_t i = 0; i < records.size(); i++) {
        ASSERT_EQ(findOrAddOpponent(&run.opponentTable, std::to_string(i).c_str()), (int)i);
        run.opponentTable.records[i] = records[i];
    }
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
    for (int i = 0; i < opponentCount(&run.opponentTable); i++) names.push_back(run.opponentTable.records[i].name);
    return names;
}

// A cleared run state for the player "abc" with the default range and scheme 0.
inline void resetRunStateForReport(void)
{
    resetSettings();
    applyDefaults();
    copyText(settings.currentId, sizeof settings.currentId, "abc");
    resetRunState();
    clearRunOutputs();
    setPlayerIdentity(&run.player, settings.currentId);
    setOpponents({});
}

#endif
