#include "ui/RunAnalysisCommand.h"

#include <setjmp.h>
#include <stdio.h>
#include <string.h>

#include "analysis/FatalError.h"
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

// Runs the analysis into *outcome. Returns 1 when a fatal error of the log ended it: only for a run
// from the dialog (the run's files withdrawn, its message in fatalText, the log left open); at
// start-up the process ends there, as vornix-cli does. Nothing between here and fatalError holds a
// resource that a jump would leak: the run record keeps its files.
static int analyse(HWND dialog, const RunRequest* request, AnalysisOutcome* outcome)
{
    if (!dialog) {
        runRequested(request, outcome);
        return 0;
    }
    setFatalErrorHandler(leaveRun);
    if (setjmp(runLeft)) {
        setFatalErrorHandler(NULL);
        return 1;
    }
    runRequested(request, outcome);
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

enum { FAILURE_TEXT_SIZE = RUN_OUTPUT_COUNT * TABLE_NAME_SIZE + 256 };   // names, separators, messages

// Appends the names of the tables that failed in the way asked for, separated by "、". Returns 1 when
// there was one.
static int appendFailedTables(const AnalysisOutcome* outcome, char* text, size_t size, int inTheWay)
{
    int any = 0;
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) {
        const OutputOutcome* output = &outcome->outputs[kind];
        int failed = inTheWay ? output->inTheWay : output->created && !output->written;
        if (kind == OUTPUT_REPORT || !output->made || !failed) continue;
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
static void tellTableFailures(const AnalysisOutcome* outcome)
{
    char text[FAILURE_TEXT_SIZE] = "";
    if (appendFailedTables(outcome, text, sizeof text, 0)) appendText(text, sizeof text, MESSAGE_TABLE_NOT_WRITTEN);
    char inTheWay[FAILURE_TEXT_SIZE];
    copyText(inTheWay, sizeof inTheWay, MESSAGE_OUTPUT_IN_THE_WAY);
    if (appendFailedTables(outcome, inTheWay, sizeof inTheWay, 1)) {
        if (text[0]) appendText(text, sizeof text, "\n");
        appendText(text, sizeof text, inTheWay);
    }
    if (!text[0]) return;
    showWarningMessage(text);
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

// What the dialog does with the outcome: the ID is kept before the report opens, whose message box
// the user may close the program over.
static int showOutcome(HWND dialog, const AnalysisOutcome* outcome)
{
    if (outcome->message[0]) showErrorMessage(outcome->message);
    if (outcome->result == ANALYSIS_LOG_NOT_OPENED && dialog) showRunSummary(dialog);
    if (outcome->result == ANALYSIS_REPORT_FAILED) exitProcess(1);   // the report's own message has been shown
    if (outcome->result == ANALYSIS_FOLDER_BUSY) return RUN_INCOMPLETE;
    if (outcome->result != ANALYSIS_DONE) return RUN_REFUSED;
    rememberCurrentId();
    refreshIdCombo(dialog);
    tellTableFailures(outcome);
    openReport();
    return outcome->missing ? RUN_INCOMPLETE : RUN_DONE;
}

static HWND runDialog;     // the dialog of the run under way; NULL at start-up
static int progressShown;  // 1 once the run's progress is shown

// The run has its log and folder: the dialog shows its progress from now on.
static void showProgress(void)
{
    startRunProgress(runDialog);
    progressShown = 1;
}

// The dialog as it was before the run, when the run got as far as showing its progress.
static void hideProgress(void)
{
    if (progressShown) endRunProgress(runDialog);
    progressShown = 0;
}

static int runChecked(HWND dialog)
{
    if (strcmp(settings.currentId, ID_PLACEHOLDER) == 0) {
        showErrorMessage(MESSAGE_NO_ID);
        return RUN_REFUSED;
    }
    RunRequest request = { settings.logPath, 0, NULL, NULL, 0, showProgress };
    static AnalysisOutcome outcome;
    runDialog = dialog;
    if (analyse(dialog, &request, &outcome)) {
        closeRunLog();
        hideProgress();
        return offerToSkipBroken(dialog);
    }
    int shown = showOutcome(dialog, &outcome);
    hideProgress();
    return shown;
}

int runAnalysisCommand(HWND dialog)
{
    if (running) return RUN_REFUSED;
    running = 1;
    int outcome = runChecked(dialog);
    running = 0;
    return outcome;
}
