#include "ui/RunAnalysisCommand.h"

#include <string.h>

#include "analysis/LogReader.h"
#include "analysis/RunState.h"
#include "platform/platform.h"
#include "report/Report.h"
#include "run/AnalysisRun.h"
#include "settings/AppPaths.h"
#include "settings/IdList.h"
#include "settings/Settings.h"
#include "ui/IdCombo.h"
#include "ui/ShellOpen.h"
#include "ui/resource.h"
#include "text/Messages.h"
#include "text/PlayerId.h"

static int running;

int analysisInProgress(void)
{
    return running;
}

static void enableRunButton(HWND dialog, BOOL enable)
{
    if (dialog) EnableWindow(GetDlgItem(dialog, IDC_RUN), enable);
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
    enableRunButton(dialog, FALSE);
    int result = runAnalysis();
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
    closeLog();
    enableRunButton(dialog, TRUE);
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
    if (!openLog(settings.logPath)) {
        showErrorMessage(MESSAGE_LOG_NOT_OPENED);
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
