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

// One message naming the tables that were created but could not be written in full (a full disk);
// a table that could not be created at all is left out silently. The report has its own messages.
static void tellTableFailures(void)
{
    char text[RUN_OUTPUT_COUNT * TABLE_NAME_SIZE + 64] = "";   // the names, separators and the message
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) {
        const RunOutput* output = &run.outputs[kind];
        if (kind == OUTPUT_REPORT || !output->created || output->written) continue;
        if (text[0]) appendText(text, sizeof text, "、");
        appendText(text, sizeof text, output->name);
    }
    if (!text[0]) return;
    appendText(text, sizeof text, MESSAGE_TABLE_NOT_WRITTEN);
    showWarningMessage(text);
}

// 1 when every table this run makes took its name.
static int allTablesWritten(void)
{
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++)
        if (kind != OUTPUT_REPORT && runMakesOutput(kind) && !run.outputs[kind].written) return 0;
    return 1;
}

// Opens the report in the output folder; when the shell can't, the message names its full path.
static void openReport(void)
{
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
    if (result < 0) exitProcess(1);   // the report's own message has been shown
    int outcome = RUN_REFUSED;
    if (result) {
        tellTableFailures();
        outcome = allTablesWritten() ? RUN_DONE : RUN_INCOMPLETE;
        openReport();
        rememberCurrentId();
        refreshIdCombo(dialog);
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
