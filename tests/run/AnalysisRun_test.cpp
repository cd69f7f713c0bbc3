#include "run/AnalysisRun.h"

#include "analysis/FatalError.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerStats.h"
#include "analysis/RunState.h"
#include "report/GameResultsTable.h"
#include "report/Report.h"
#include "settings/AppPaths.h"
#include "settings/SettingsFile.h"
#include "support/GameLogText.h"
#include "support/RecordingPlatform.h"
#include "support/RenameSeam.h"
#include "text/Messages.h"

#include <algorithm>
#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <string.h>
#include <sys/file.h>

// The previous run's files in the current folder.
static const std::vector<std::string> PREVIOUS_FILES = {"Me_ID別集計.xls", "Me_戦績.xls", "分析結果.html"};

static void writePreviousFiles(void)
{
    for (const std::string& name : PREVIOUS_FILES) writeBytes(name, "previous " + name);
}

// Every previous file byte for byte, and no other file beside them and the log.
static void expectPreviousFilesOnly(void)
{
    for (const std::string& name : PREVIOUS_FILES) EXPECT_EQ(fileBytes(name), "previous " + name);
    std::vector<std::string> names = folderNames();
    names.erase(std::remove(names.begin(), names.end(), "log.txt"), names.end());
    EXPECT_EQ(names.size(), PREVIOUS_FILES.size()) << "no new file beside them (the names are native)";
}

// Bug: a run without games replaced the per-game table with its header.
TEST(AnalysisRun, NoMatchingGameTellsTheUserAndReplacesNothing)
{
    struct Case {
        std::string log;
        int minRate;
        int seats;                  // a condition, named in the message
        const char* settingsFile;   // read before the run, when not NULL
        const char* message;        // NULL: the no-game message
        const char* rule;
    };
    const std::string other = gameEntry("卓(点50)：卓>", '1', {"W", "X", "Y", "Z"},
                                        resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}}));
    const Case cases[] = {
        {"", 0, 0, NULL, NULL, "an empty log"},
        {"no entries here\r\n", 0, 0, NULL, NULL, "a log without entries"},
        {other + other, 0, 0, NULL, NULL, "no entry of the ID"},
        {plainGame("卓(点50)：卓>") + plainGame("卓(点60)：卓>"), 70, 0, NULL, NULL,
         "every entry of the ID below the range"},
        {plainGame(), 0, 3, NULL, NULL, "every entry of the ID outside a condition"},
        {plainGame(), 0, 0, "<KalventoID>Me;</KalventoID>\r\n<開始日>2024/06/01</開始日>\r\n<終了日>2024/01/01</終了日>\r\n",
         MESSAGE_STORED_PERIOD_DROPPED, "bug: a stored period that can never match read the whole log"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        useTestSettings();
        writePreviousFiles();
        settings.minRate = c.minRate;
        if (c.settingsFile) {
            writeBytes("vornix.ini", c.settingsFile);
            copyText(appPaths.settingsPath, sizeof appPaths.settingsPath, "vornix.ini");
            readSettingsFile();
            remove("vornix.ini");
        }
        settings.seats = c.seats;
        clearRecordings();
        EXPECT_EQ(runLog(c.log), 0);
        EXPECT_EQ(run.playerTotals.games, 0);
        ASSERT_EQ(shownMessages.size(), 1u);
        std::string range = "\nレートの範囲：" + std::to_string(c.minRate) + "～20000\n";
        std::string noGame = MESSAGE_NO_GAME + range +
                             (c.seats ? std::string("分析条件：3人打ち\n") + MESSAGE_NO_GAME_ADVICE_CONDITIONS
                                      : std::string(MESSAGE_NO_GAME_ADVICE));
        EXPECT_EQ(shownMessages[0], c.message ? std::string(c.message) : noGame);
        EXPECT_EQ(runOutputs[OUTPUT_GAME_RESULTS].file.stream, nullptr) << "the table is closed";
        expectPreviousFilesOnly();
    }
}

TEST(AnalysisRun, TwoRunsOverTheSameLogGiveTheSameResults)
{
    RunFolder folder;
    useTestSettings();
    std::string three = gameEntry("三人(点100)：卓>", '1', {"A", "Me", "B", "=三人打ち"},
                                  resultLine({{2, 10}, {1, 20}, {3, -30}}));
    std::string log = plainGame() + plainGame("東南(東1万/半2万)：卓>") + three;
    ASSERT_EQ(runLog(log), 1);
    std::string firstTable = gameTableBytes();
    PlayerTotals firstTotals = run.playerTotals;
    std::vector<OpponentRecord> firstOpponents(run.opponentTable.records, run.opponentTable.records + opponentCount(&run.opponentTable));

    ASSERT_EQ(runLog(log), 1);
    EXPECT_EQ(gameTableBytes(), firstTable);
    EXPECT_EQ(memcmp(&run.playerTotals, &firstTotals, sizeof firstTotals), 0);
    ASSERT_EQ(opponentCount(&run.opponentTable), (int)firstOpponents.size());
    EXPECT_EQ(memcmp(run.opponentTable.records, firstOpponents.data(), firstOpponents.size() * sizeof(OpponentRecord)), 0);
    EXPECT_EQ(run.playerTotals.games, 3);
    EXPECT_EQ(run.recentResults.next, 3);
}

// A log stream that delivers the text up to byte `good` and then fails as a disk would (EIO).
struct FailingLog {
    std::string text;
    size_t at;
    size_t good;
};

static ssize_t readFailingLog(void* cookie, char* buffer, size_t size)
{
    FailingLog* log = (FailingLog*)cookie;
    if (log->at >= log->good) {
        errno = EIO;
        return -1;
    }
    size_t n = std::min(size, log->good - log->at);
    memcpy(buffer, log->text.data() + log->at, n);
    log->at += n;
    return (ssize_t)n;
}

static FILE* failingLog(const std::string& text, size_t good)
{
    cookie_io_functions_t functions = {readFailingLog, NULL, NULL, NULL};
    return fopencookie(new FailingLog{text, 0, good}, "rb", functions);
}

// Bugs: a read error in the middle of the log passed for its end, and the run reported success; the
// rows before a fatal error replaced the previous per-game table.
TEST(AnalysisRunDeathTest, AFatalErrorLeavesThePreviousFilesAsTheyWere)
{
    struct Case {
        std::string log;
        size_t goodBytes;   // 0: a plain file
        std::string message;
        const char* rule;
    };
    std::string longLog;
    while (longLog.size() < 3 * 64 * 1024) longLog += plainGame();
    const Case cases[] = {
        {plainGame() + plainGame("卓(点3万)：卓>") + plainGame(), 0, MESSAGE_IMPOSSIBLE_RATE, "an impossible rate"},
        {longLog, 100000, MESSAGE_LOG_NOT_READ, "a read error after the first block"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        useTestSettings();
        writePreviousFiles();
        EXPECT_EXIT(
            {
                if (!c.goodBytes) openLogText(c.log);
                else adoptLog(&run.log, failingLog(c.log, c.goodBytes));
                runAnalysis();
            },
            ::testing::ExitedWithCode(1), "message: " + hexOf(c.message));
        expectPreviousFilesOnly();
    }
}

// Bug: the tables took their names before the report, which kept them when its own rename failed, and
// a report linked a table whose rename had failed (the previous run's file). The renames of a run:
// 1 the per-game table, 2 the per-opponent table, 3 the report.
TEST(AnalysisRunDeathTest, AFailedOrKilledRenameNeverLeavesAReportLinkingAnotherRunsTable)
{
    struct Case {
        int at;
        RenameAction action;
        const char* kept;   // per output (game, opponent, report): 'p' previous, 'n' this run's
        const char* rule;
    };
    const Case cases[] = {
        {1, RENAME_FAILS, "pnn", "the per-game table's rename fails: the report doesn't link it"},
        {2, RENAME_FAILS, "npn", "the per-opponent table's rename fails: the report doesn't link it"},
        {3, RENAME_FAILS, "ppp", "the report's rename fails: the tables give their names back"},
        {1, RENAME_KILLS, "ppp", "killed at the first rename"},
        {2, RENAME_KILLS, "npp", "killed at the second: the stated window, the old report links no table"},
        {3, RENAME_KILLS, "nnp", "killed at the report's rename: the same window"},
    };
    const char* links[] = {">戦績ファイル<", ">ID別集計ファイル<"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        RunFolder folder;
        useTestSettings();
        writePreviousFiles();
        openLogText(plainGame());
        if (c.action == RENAME_KILLS) {
            EXPECT_EXIT({ breakRename(c.at, RENAME_KILLS); runAnalysis(); }, ::testing::ExitedWithCode(9), "");
        } else {
            breakRename(c.at);
            EXPECT_EQ(runAnalysis(), c.at == 3 ? -1 : 1);
            breakRename(0);
        }
        const char* names[] = {"Me_戦績.xls", "Me_ID別集計.xls", "分析結果.html"};
        for (int i = 0; i < 3; i++) EXPECT_EQ(fileBytes(names[i]) == "previous " + std::string(names[i]), c.kept[i] == 'p') << i;
        std::string report = fileBytes("分析結果.html");
        for (int i = 0; i < 2 && c.kept[2] == 'n'; i++)
            EXPECT_EQ(report.find(links[i]) != std::string::npos, c.kept[i] == 'n') << links[i];
        if (c.action == RENAME_FAILS) {
            EXPECT_EQ(folderNames().size(), 4u) << "the three outputs and the log";
        }
        // The next run removes what a killed one left and replaces all three.
        closeLog(&run.log);
        writeBytes("Me_対戦相手別.html.99999999.1.tmp", "");   // bug: kept, as this run makes no page
        EXPECT_EQ(runLog(plainGame()), 1);
        EXPECT_EQ(folderNames().size(), 4u);
    }
}

// The page of each opponent: a log changed on the disk after it was opened gives no page and no links
// to it, and the user is told; an unchanged one gives both. With the taken games kept the change comes
// while the log is read; without (no scratch file), in the second read. Bug: a log rewritten in place
// (a broken entry in the second read, the tolerant reading off) ended the whole run.
enum LogChange { UNCHANGED, APPENDED, REWRITTEN };
static int logChangeInSecondRead;

static void changeLogDuringARead(void)
{
    int kept = keepingTakenGames(&run.takenGames);
    if (logChangeInSecondRead == UNCHANGED || (kept ? logBytesRead(&run.log) <= 64 * 1024 : !run.readsFinished)) return;
    // Grown, or rewritten in place with an entry broken: its scores no longer sum to 0 (the first, read
    // already, while the first read goes on; else the last).
    std::string bytes = fileBytes("log.txt");
    size_t at = kept ? bytes.find("+30") : bytes.rfind("+30");
    writeBytes("log.txt", logChangeInSecondRead == APPENDED ? bytes + "\r\n" : bytes.replace(at, 3, "+31"));
    logChangeInSecondRead = UNCHANGED;
}

static FILE* noScratchFile(void) { return NULL; }

TEST(AnalysisRun, ThePageOfEachOpponentOnlyFromAnUnchangedLog)
{
    for (int kept : {1, 0})
    for (int change : {UNCHANGED, APPENDED, REWRITTEN}) {
        SCOPED_TRACE(change + 3 * kept);
        RunFolder folder;
        openTakenGamesFile = kept ? openScratchFile : noScratchFile;
        useTestSettings();
        settings.rivals = 1;
        settings.skipBroken = change != REWRITTEN;
        clearRecordings();
        logChangeInSecondRead = change;
        run.progress = changeLogDuringARead;
        const std::string broken = "<一般ロビー(点50)：卓2>\r\n 1\r\n[2024/01/01 10:00]\r\n#Me\r\n#A\r\n#B\r\n#C\r\n"
                                   ">1     +30 2     +10 3     -15 4     -24\r\n";
        std::string log = plainGame() + (settings.skipBroken ? broken : "");
        while (log.size() < 3 * 64 * 1024) log += plainGame();   // the change is read after the first block
        ASSERT_EQ(runLog(log), 1);
        run.progress = NULL;
        int changed = change != UNCHANGED;
        EXPECT_EQ(run.skippedEntries, settings.skipBroken) << "the second read does not count a skipped entry again";
        EXPECT_EQ(runOutputs[OUTPUT_RIVALS].written, !changed);
        EXPECT_EQ(runOutputs[OUTPUT_RIVALS].created, !changed) << "a page given up is not also a write that failed";
        EXPECT_EQ(shownMessages, changed ? std::vector<std::string>{MESSAGE_LOG_CHANGED} : std::vector<std::string>{});
        std::string page = fileBytes("Me_対戦相手別.html");
        std::string report = fileBytes("分析結果.html");
        EXPECT_EQ(page.find("<h3 id=\"r43\">☆ Cさんとの対戦成績 ☆</h3>") != std::string::npos, !changed);
        EXPECT_EQ(report.find("#r43\">C</a>") != std::string::npos, !changed);
        EXPECT_EQ(folderNames().size(), changed ? 4u : 5u) << "log, report, two tables (and the page)";
    }
    openTakenGamesFile = openScratchFile;
}

// Bug: two runs into one folder could leave one's report beside the other's tables. A run that finds
// the folder's lock held refuses, says which folder, and writes nothing; the holder's lock file stays.
TEST(AnalysisRun, AFolderAnotherRunWritesIntoIsLeftAlone)
{
    RunFolder folder;
    useTestSettings();
    writePreviousFiles();
    clearRecordings();
    int held = open(FOLDER_LOCK_NAME, O_RDWR | O_CREAT, 0666);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    folderLockWait = 0;
    EXPECT_EQ(runLog(plainGame()), ANALYSIS_FOLDER_BUSY);
    folderLockWait = 30000;
    EXPECT_EQ(shownMessages.at(0).rfind(MESSAGE_FOLDER_BUSY, 0), 0u) << shownMessages.size();
    EXPECT_EQ(close(held) + removeFile(FOLDER_LOCK_NAME), 1) << "the holder's lock file is still there";
    expectPreviousFilesOnly();
}
