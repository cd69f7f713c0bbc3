#ifndef VORNIX_TEST_GAMELOGTEXT_H
#define VORNIX_TEST_GAMELOGTEXT_H
// Helpers for tests that read logs: builders of game-log text in the form the client writes (code
// page 932 literals, CR LF), the games the parser reads from it, an analysis in a temporary current
// directory, and the per-game table it wrote. runLog, the whole run with its report, is for the
// tests that link the run layer.

#include "analysis/GameEntryParser.h"
#include "analysis/GameIntake.h"
#include "analysis/LogReader.h"
#include "analysis/PlayerStats.h"
#include "analysis/RunState.h"
#include "platform/platform.h"
#include "report/GameResultsTable.h"
#include "run/AnalysisRun.h"
#include "settings/Settings.h"
#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <initializer_list>
#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <vector>

// The temporary folder of a run, the current directory while the test runs; the log is closed
// before the folder goes.
struct RunFolder : TempFolder {
    RunFolder() : TempFolder(ENTER_FOLDER) {}
    ~RunFolder() { closeLog(&run.log); }
};

// Writes the log into the current directory and opens it as the game log.
inline void openLogText(const std::string& bytes)
{
    writeBytes("log.txt", bytes);
    if (!openLog(&run.log, "log.txt")) abort();
}

// A result line: rank at byte 1 + 10 i, score at byte 5 + 10 i, as the client writes them.
inline std::string resultLine(std::initializer_list<std::pair<int, int>> seats)
{
    std::string line = ">";
    for (const auto& seat : seats) {
        char group[32];
        snprintf(group, sizeof group, "%-4d%+5d ", seat.first, seat.second);
        line += group;
    }
    return line;
}

// One entry: header text (after "<"), game-length flag, player names (one starting with "=" or "#"
// is written as the line itself), body lines and the result line.
inline std::string gameEntry(const std::string& header, char flag, std::initializer_list<std::string> players,
                             const std::string& result, std::initializer_list<std::string> body = {})
{
    std::string text = "<" + header + "\r\n";
    text += std::string(" ") + flag + ":対局\r\n";
    text += "[2024/03/15 21:05]\r\n";
    for (const std::string& name : players) {
        int asItStands = name[0] == '=' || name[0] == '#';
        text += (asItStands ? name : "#" + name + " 初段") + "\r\n";
    }
    for (const std::string& line : body) text += line + "\r\n";
    return text + result + "\r\n";
}

// The usual four-player game of the tests: "Me" at seat 0 with +30, then A +10, B -15, C -25.
inline std::string plainGame(const std::string& header = "一般ロビー(点100)：卓01>")
{
    return gameEntry(header, '1', {"Me", "A", "B", "C"}, resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}}));
}

// Settings for a run of the tests: ID "Me", rates 0 to 20000.
inline void useTestSettings(void)
{
    resetSettings();
    applyDefaults();
    copyText(settings.currentId, sizeof settings.currentId, "Me");
}

// The per-game table of the current ID, as bytes.
inline std::string gameTableBytes(void)
{
    return fileBytes(std::string(settings.currentId) + "_戦績.xls");
}

// A game as readGameEntry filled it, with copies of the texts its lobby and room pointed to.
struct ReadGame {
    GameEntry entry;
    std::string lobby;
    std::string room;

    // The record, its lobby and room pointing to the copies.
    GameEntry* record(void)
    {
        entry.lobby = lobby.c_str();
        entry.room = room.c_str();
        return &entry;
    }
};

inline std::vector<ReadGame> readGamesFound;

inline int collectGame(GameEntry* game, void*)
{
    computeMoneyShares(game);
    readGamesFound.push_back({*game, game->lobby, game->room});
    return 1;
}

// Reads the log text (an anonymous file) from a fresh run state as a run reads it, and returns the
// games of settings.currentId in log order, none of them accepted: nothing is counted or written.
inline std::vector<ReadGame> readLogGames(const std::string& log)
{
    resetRunState();
    FILE* file = tmpfile();
    if (!file || fwrite(log.data(), 1, log.size(), file) != log.size() || fseek(file, 0, SEEK_SET) != 0) abort();
    adoptLog(&run.log, file);
    readGamesFound.clear();
    setPlayerIdentity(&run.player, settings.currentId);
    addPlayerIdList(&run.player, settings.alsoIds);
    GameReading reading = {&run.player, NULL, collectGame, skipBrokenEntryOrEndRun, &runIntake, NULL, {}};
    readGames(&run.log, &reading);
    closeLog(&run.log);
    return readGamesFound;
}

// The run's first read's consumer: the intake's, and the per-game row.
inline int acceptGameWithRow(GameEntry* game, void* context)
{
    if (!acceptGame(game, context)) return 0;
    writeGameRow(game);
    return 1;
}

// Analyses the log text in the current directory up to the report: the per-game table is written and
// placed, every game counted. Returns 1 when a game was accepted, 0 when none was.
inline int analyseLog(const std::string& log)
{
    openLogText(log);
    resetRunState();
    clearRunOutputs();
    setPlayerIdentity(&run.player, settings.currentId);
    createGameTable();
    GameReading reading = {&run.player, hintOpponentLookup, acceptGameWithRow, skipBrokenEntryOrEndRun, &runIntake,
                           NULL, {}};
    readGames(&run.log, &reading);
    finishGameTable();
    placeRunOutput(OUTPUT_GAME_RESULTS);
    closeLog(&run.log);
    return run.playerTotals.games > 0;
}

// Runs one analysis over the log text in the current directory and closes the log. Returns what
// runAnalysis returned.
inline int runLog(const std::string& log)
{
    openLogText(log);
    int result = runAnalysis();
    closeLog(&run.log);
    return result;
}

// The lines of the per-game table without their CR LF, header first.
inline std::vector<std::string> gameTableRows(void)
{
    return crlfLines(gameTableBytes());
}

#endif
