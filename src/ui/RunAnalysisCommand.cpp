#include "ui/RunAnalysisCommand.h"

#include <setjmp.h>
#include <stdio.h>
#include <string.h>

#include "analysis/FatalError.h"
#include "analysis/LogReader.h"
#include "analysis/RunState.h"
#include "platform/platform.h"
#include "report/Report.h"
#include "run/AnalysisRun.h"
#include "settings/AppPaths.h"
#include "settings/IdList.h"
#include "settings/Settings.h"
#include "ui/DialogTransfer.h"
#include "ui/IdCombo.h"
#include "ui/RunProgress.h"
#include "ui/RunSummary.h"
#include "ui/ShellOpen.h"
#include "ui/resource.h"
#include "text/Messages.h"
#include "text/PlayerId.h"

static int running;

int analysisInProgress(void)
{
    return running;
}

enum { FATAL_TEXT_SIZE = 512 };

// A fatal error of a run from the dialog comes back here instead of ending the process.
static jmp_buf runLeft;
static char fatalText[FATAL_TEXT_SIZE];
static int fatalSkippable;

[[noreturn]] static void leaveRun(const char* text, int skippable)
{
    copyText(fatalText, sizeof fatalText, text);
    fatalSkippable = skippable;
    longjmp(runLeft, 1);
}

// Runs the analysis into *result. Returns 1 when a fatal error of the log ended it: only for a run
// from the dialog (the run's files withdrawn, its message in fatalText); at start-up the process ends
// there, as vornix-cli does. Nothing between here and fatalError holds a resource that a jump would
// leak: the run record keeps its files, the log stays open for the caller to close.
static int analyse(HWND dialog, int* result)
{
    if (!dialog) {
        *result = runAnalysis();
        return 0;
    }
    setFatalErrorHandler(leaveRun);
    if (setjmp(runLeft)) {
        setFatalErrorHandler(NULL);
        return 1;
    }
    *result = runAnalysis();
    setFatalErrorHandler(NULL);
    return 0;
}

static int runChecked(HWND dialog);

// After a fatal error of the log: the message, and for an entry the tolerant reading would skip the
// offer to run again with it on (the setting turned on as the 分析条件 dialog's check box does).
// Returns the outcome of that run, or RUN_FAILED.
static int offerToSkipBroken(HWND dialog)
{
    if (!fatalSkippable) {
        showErrorMessage(fatalText);
        return RUN_FAILED;
    }
    char text[FATAL_TEXT_SIZE + 128];
    copyText(text, sizeof text, fatalText);
    appendText(text, sizeof text, "\n\n");
    appendText(text, sizeof text, MESSAGE_SKIP_BROKEN_QUESTION);
    if (MessageBoxA(dialog, text, MESSAGE_CAPTION, MB_YESNO | MB_ICONERROR) != IDYES) return RUN_FAILED;
    settings.skipBroken = 1;
    showConditions(dialog);
    return runChecked(dialog);
}

// The output files go to the desktop or to the program folder; the report links to the tables there.
static void enterOutputFolder(void)
{
    const char* folder = settings.reportOnDesktop == 1 ? appPaths.desktopFolder : appPaths.appFolder;
    copyText(appPaths.outputFolder, sizeof appPaths.outputFolder, folder);
    setCurrentDirectory(appPaths.outputFolder);
}

enum { FAILURE_TEXT_SIZE = RUN_OUTPUT_COUNT * TABLE_NAME_SIZE + 256 };   // names, separators, messages

// Appends the names of the tables that failed in the way asked for, separated by "、". Returns 1 when
// there was one.
static int appendFailedTables(char* text, size_t size, int inTheWay)
{
    int any = 0;
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) {
        const RunOutput* output = &run.outputs[kind];
        int failed = inTheWay ? output->file.inTheWay : output->created && !output->written;
        if (kind == OUTPUT_REPORT || !runMakesOutput(kind) || !failed) continue;
        if (any) appendText(text, size, "、");
        appendText(text, size, output->name);
        any = 1;
    }
    return any;
}

// One message naming the tables that were created but could not be written in full or take their
// names (a full disk), and those that something else than a file (a folder, a FIFO) kept from being
// created; a table that could not be created otherwise (locked) is left out silently. The report has
// its own messages.
static void tellTableFailures(void)
{
    char text[FAILURE_TEXT_SIZE] = "";
    if (appendFailedTables(text, sizeof text, 0)) appendText(text, sizeof text, MESSAGE_TABLE_NOT_WRITTEN);
    char inTheWay[FAILURE_TEXT_SIZE];
    copyText(inTheWay, sizeof inTheWay, MESSAGE_OUTPUT_IN_THE_WAY);
    if (appendFailedTables(inTheWay, sizeof inTheWay, 1)) {
        if (text[0]) appendText(text, sizeof text, "\n");
        appendText(text, sizeof text, inTheWay);
    }
    if (!text[0]) return;
    showWarningMessage(text);
}

// 1 when every table this run makes took its name.
static int allTablesWritten(void)
{
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++)
        if (kind != OUTPUT_REPORT && runMakesOutput(kind) && !run.outputs[kind].written) return 0;
    return 1;
}

// Opens the report in the output folder; when the shell can't, the message names its full path,
// except with "-q": nobody is there to close it, and the run's outcome stands.
static void openReport(void)
{
    if (launchOptions.quitAfterRun) {
        shellOpen(REPORT_FILE_NAME);
        return;
    }
    char path[PATH_SIZE];
    if (!joinPath(path, sizeof path, appPaths.outputFolder, REPORT_FILE_NAME))
        copyText(path, sizeof path, REPORT_FILE_NAME);
    openForUser(REPORT_FILE_NAME, path, MESSAGE_REPORT_NOT_SHOWN);
}

static int runWithOpenLog(HWND dialog)
{
    enterOutputFolder();
    startRunProgress(dialog);
    int result = ANALYSIS_NO_GAME;
    if (analyse(dialog, &result)) {
        closeLog(&run.log);
        endRunProgress(dialog);
        return offerToSkipBroken(dialog);
    }
    if (result == ANALYSIS_REPORT_FAILED) exitProcess(1);   // the report's own message has been shown
    int outcome = result == ANALYSIS_FOLDER_BUSY ? RUN_INCOMPLETE : RUN_REFUSED;
    if (result == ANALYSIS_DONE) {
        // The ID is kept before the report opens, whose message box the user may close the program over.
        rememberCurrentId();
        refreshIdCombo(dialog);
        tellTableFailures();
        outcome = allTablesWritten() ? RUN_DONE : RUN_INCOMPLETE;
        openReport();
    }
    closeLog(&run.log);
    endRunProgress(dialog);
    return outcome;
}

static int runChecked(HWND dialog)
{
    if (strcmp(settings.currentId, ID_PLACEHOLDER) == 0) {
        showErrorMessage(MESSAGE_NO_ID);
        return RUN_REFUSED;
    }
    if (!idIsValid(settings.currentId)) {
        showErrorMessage(MESSAGE_ID_NOT_A_FILE_NAME);
        return RUN_REFUSED;
    }
    if (!openLog(&run.log, settings.logPath)) {
        char text[PATH_SIZE + 256];
        snprintf(text, sizeof text, MESSAGE_LOG_NOT_FOUND, settings.logPath);
        showErrorMessage(text);
        if (dialog) showRunSummary(dialog);
        return RUN_REFUSED;
    }
    return runWithOpenLog(dialog);
}

int runAnalysisCommand(HWND dialog)
{
    if (running) return RUN_REFUSED;
    running = 1;
    int outcome = runChecked(dialog);
    running = 0;
    return outcome;
}
