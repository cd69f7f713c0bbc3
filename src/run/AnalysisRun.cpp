#include "run/AnalysisRun.h"

#include "analysis/Conditions.h"
#include "analysis/FatalError.h"
#include "analysis/GameIntake.h"
#include "analysis/LogReader.h"
#include "analysis/OpponentTable.h"
#include "analysis/RunState.h"
#include "platform/platform.h"
#include "report/GameResultsTable.h"
#include "report/Report.h"
#include "report/RivalChoice.h"
#include "report/RivalsPage.h"
#include "settings/AnalysisConditions.h"
#include "settings/AppPaths.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "text/Messages.h"
#include "text/PlayerId.h"
#include "text/Text.h"

#include <stdio.h>
#include <string.h>

const char FOLDER_LOCK_NAME[] = "vornix.lock";
int folderLockWait = 30000;

enum { FOLDER_LOCK_POLL = 50 };   // milliseconds between two tries

// One read of the open log from where it stands, its tally kept in run.reads.
static void readLog(void (*seatNamed)(const Seat*, void*), int (*take)(GameEntry*, void*),
                    int (*onBroken)(const GameEntry*, void*))
{
    GameReading reading = {&run.player, seatNamed, take, onBroken, &runIntake, run.progress, {}};
    readGames(&run.log, &reading);
    run.reads[run.readsFinished++] = reading.tally;
}

// The first read's consumer: a game the intake takes goes into the per-game table too.
static int takeGame(GameEntry* game, void* context)
{
    if (!acceptGame(game, context)) return 0;
    writeGameRow(game);
    return 1;
}

// 1 when the second read met what the first did: as many entries, as many broken ones, as many bytes,
// no broken entry the first would have ended the run on, and no read error.
static int secondReadMatches(void)
{
    const ReadTally* first = &run.reads[0];
    const ReadTally* second = &run.reads[1];
    return !second->stopped && !logReadFailed(&run.log) && second->entries == first->entries && second->broken == first->broken &&
           second->bytes == first->bytes;
}

// Without kept games: the log is read a second time through the same loop and selection, which then
// feed only the shared games of the chosen opponents. Returns 1 when the file was the one the first
// read saw (same size and modification time, before and after, and the same entries and bytes read).
static int readRivalGamesAgain(void)
{
    if (!rewindLog(&run.log)) return 0;
    readLog(NULL, acceptRivalGame, skipBrokenEntryAgain);
    return logUnchanged(&run.log) && secondReadMatches();
}

// The page of each opponent: the games the first read took and kept are played back to the chosen
// opponents; when none could be kept (no scratch file, or it failed), the log is read again. The page
// is written only when the file is still the one the first read saw (same size and modification
// time); otherwise the user is told and the page is left out, like a table that could not be written.
static void makeRivalsPage(void)
{
    if (!runMakesOutput(OUTPUT_RIVALS) || !createRunOutput(OUTPUT_RIVALS)) {
        closeTakenGames(&run.takenGames);
        return;
    }
    chooseRivals();
    int unchanged = replayTakenGames(&run.takenGames, &run.rivalGames) && logUnchanged(&run.log);
    if (!keepingTakenGames(&run.takenGames)) {
        chooseRivals();   // afresh: a play-back that failed may have fed some games
        unchanged = readRivalGamesAgain();
    }
    closeTakenGames(&run.takenGames);
    if (!unchanged) {
        discardRunOutput(OUTPUT_RIVALS);
        runOutputs[OUTPUT_RIVALS].created = 0;   // given up, and said why: not a file that failed
        showWarningMessage(MESSAGE_LOG_CHANGED);
        return;
    }
    writeRivalsPage();
}

// No game matched: the message names the rate range and the conditions the run applied, and what to
// look at again.
static void tellNoGame(void)
{
    char text[CONDITIONS_TEXT_SIZE + 512];
    char line[CONDITIONS_TEXT_SIZE];
    copyText(text, sizeof text, MESSAGE_NO_GAME);
    snprintf(line, sizeof line, MESSAGE_NO_GAME_RATES, settings.minRate, settings.maxRate);
    appendText(text, sizeof text, "\n");
    appendText(text, sizeof text, line);
    formatConditions(line, sizeof line);
    if (line[0]) {
        appendText(text, sizeof text, "\n");
        appendText(text, sizeof text, line);
    }
    appendText(text, sizeof text, "\n");
    appendText(text, sizeof text, line[0] ? MESSAGE_NO_GAME_ADVICE_CONDITIONS : MESSAGE_NO_GAME_ADVICE);
    showErrorMessage(text);
}

// Waits up to folderLockWait for the lock of the current directory. Returns 0 when another run held
// it all that time; 1 when this run has it, or when the folder can't be locked at all (its outputs
// then can't be created either, and say so themselves).
static int lockOutputFolder(void)
{
    for (int waited = 0;; waited += FOLDER_LOCK_POLL) {
        if (takeFolderLock(FOLDER_LOCK_NAME) != 0) return 1;
        if (waited >= folderLockWait) return 0;
        sleepMilliseconds(FOLDER_LOCK_POLL);
    }
}

static int refuseBusyFolder(void)
{
    char text[PATH_SIZE + 256];
    copyText(text, sizeof text, MESSAGE_FOLDER_BUSY);
    appendText(text, sizeof text, appPaths.outputFolder);
    showErrorMessage(text);
    return ANALYSIS_FOLDER_BUSY;
}

// The run inside its locked folder.
static int analyseLog(void)
{
    run.startTime = time(NULL);
    resetRunState();
    clearRunOutputs();
    setPlayerIdentity(&run.player, settings.currentId);
    addPlayerIdList(&run.player, settings.alsoIds);
    // A stored period that could never match was dropped; the run it was meant for is refused once,
    // unless a period was set again since.
    if (takeDroppedPeriodNotice() && !settings.firstDay[0] && !settings.lastDay[0]) {
        showErrorMessage(MESSAGE_STORED_PERIOD_DROPPED);
        return ANALYSIS_NO_GAME;
    }
    dropRunOutputLeftovers();
    createGameTable();
    if (runMakesOutput(OUTPUT_RIVALS)) startTakenGames(&run.takenGames);
    readLog(hintOpponentLookup, takeGame, skipBrokenEntryOrEndRun);
    if (run.playerTotals.games == 0) {
        // Nothing of a run without games replaces a previous file or appears beside them.
        discardRunOutput(OUTPUT_GAME_RESULTS);
        closeTakenGames(&run.takenGames);
        tellNoGame();
        return ANALYSIS_NO_GAME;
    }
    // The table takes its final name together with the report, once that is complete.
    finishGameTable();
    makeRivalsPage();
    return writeReport() ? ANALYSIS_DONE : ANALYSIS_REPORT_FAILED;
}

// A fatal error's clean-up: every output of the run gives up its temporary file (a placed table its
// name), so the previous files stay.
static void withdrawRunOutputs(void)
{
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) withdrawRunOutput(kind);
}

static void releaseRunStorage(void)
{
    releaseOpponentTable(&run.opponentTable);
}

int runAnalysis(void)
{
    if (!lockOutputFolder()) return refuseBusyFolder();
    onFatalError(withdrawRunOutputs);
    onFatalError(releaseFolderLock);
    onFatalError(releaseRunStorage);
    int result = analyseLog();
    releaseFolderLock();
    return result;
}

int runPercentRead(void)
{
    long long size = logSize(&run.log);
    if (size <= 0) return 0;
    long long read = logBytesRead(&run.log);
    int percent = (int)((read < size ? read : size) * 100 / size);
    if (!runMakesOutput(OUTPUT_RIVALS) || keepingTakenGames(&run.takenGames)) return percent;
    return (run.readsFinished ? 100 + percent : percent) / 2;
}

// The Windows program writes to the desktop or to the program folder; vornix-cli to the folder given
// (empty: the current directory). Returns 0 when vornix-cli's can't be entered. The code page 932 form
// in outputFolder serves the Windows links; the POSIX links take the native directory, so there a
// deep one may leave it empty.
static int enterOutputFolder(const RunRequest* request)
{
    if (!request->native) {
        const char* folder = settings.reportOnDesktop == 1 ? appPaths.desktopFolder : appPaths.appFolder;
        copyText(appPaths.outputFolder, sizeof appPaths.outputFolder, folder);
        setCurrentDirectory(appPaths.outputFolder);
        return 1;
    }
    if (request->outputFolder[0] && !setNativeCurrentDirectory(request->outputFolder)) return 0;
    getCurrentDirectory(appPaths.outputFolder, sizeof appPaths.outputFolder);
    return 1;
}

// The log is opened before the folder changes, so that a relative path means what the user meant.
// Returns the refusal, or ANALYSIS_DONE when the run may start; outcome->message names the refusal.
static int prepareRun(const RunRequest* request, AnalysisOutcome* outcome)
{
    if (!idIsValid(settings.currentId)) {
        copyText(outcome->message, sizeof outcome->message, MESSAGE_ID_NOT_A_FILE_NAME);
        return ANALYSIS_ID_REFUSED;
    }
    // A native path may hold what code page 932 can't show: that message names none.
    if (!(request->native ? openNativeLog(&run.log, request->logPath) : openLog(&run.log, request->logPath))) {
        if (request->native)
            copyText(outcome->message, sizeof outcome->message, MESSAGE_LOG_NOT_OPENED);
        else
            snprintf(outcome->message, sizeof outcome->message, MESSAGE_LOG_NOT_FOUND, request->logPath);
        return ANALYSIS_LOG_NOT_OPENED;
    }
    if (!enterOutputFolder(request)) {
        closeLog(&run.log);
        copyText(outcome->message, sizeof outcome->message, MESSAGE_NO_OUTPUT_FOLDER);
        return ANALYSIS_NO_FOLDER;
    }
    if (request->progress && logSize(&run.log) > request->progressMinSize) run.progress = request->progress;
    if (request->starting) request->starting();
    return ANALYSIS_DONE;
}

// The outputs as the run left them, and what is missing: every output the run makes that is not in
// place; after a failed report only the report, since the tables were withheld with it.
static void takeOutputs(AnalysisOutcome* outcome)
{
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) {
        const RunOutput* output = &runOutputs[kind];
        OutputOutcome* taken = &outcome->outputs[kind];
        copyText(taken->name, sizeof taken->name, output->name);
        taken->made = runMakesOutput(kind);
        taken->created = output->created;
        taken->written = output->written;
        taken->inTheWay = output->file.inTheWay;
        if (!taken->made || taken->written) continue;
        if (outcome->result == ANALYSIS_DONE || kind == OUTPUT_REPORT) outcome->missing = 1;
    }
}

static int exitCodeOf(const AnalysisOutcome* outcome)
{
    if (outcome->result == ANALYSIS_FOLDER_BUSY || outcome->result == ANALYSIS_REPORT_FAILED) return 3;
    if (outcome->result != ANALYSIS_DONE) return 2;
    return outcome->missing ? 3 : 0;
}

void runRequested(const RunRequest* request, AnalysisOutcome* outcome)
{
    memset(outcome, 0, sizeof *outcome);
    outcome->result = prepareRun(request, outcome);
    if (outcome->result == ANALYSIS_DONE) {
        outcome->result = runAnalysis();
        closeLog(&run.log);
        takeOutputs(outcome);
        outcome->skippedEntries = run.skippedEntries;
        outcome->twoIdEntries = run.twoIdEntries;
        if (run.skippedEntries) skippedLinesText(outcome->skippedLines, sizeof outcome->skippedLines);
    }
    outcome->exitCode = exitCodeOf(outcome);
}

void closeRunLog(void)
{
    closeLog(&run.log);
}
