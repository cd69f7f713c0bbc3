#include "ui/RunAnalysisCommand.h"

#include <string.h>

#include "analysis/AnalysisRun.h"
#include "analysis/LogReader.h"
#include "platform/platform.h"
#include "report/Report.h"
#include "settings/AppPaths.h"
#include "settings/IdList.h"
#include "settings/Settings.h"
#include "ui/IdCombo.h"
#include "ui/resource.h"

static const char MESSAGE_NO_ID[] = "分析するIDを設定してください";

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

static void runWithOpenLog(HWND dialog)
{
    enterOutputFolder();
    enableRunButton(dialog, FALSE);
    if (runAnalysis()) {
        shellOpen(REPORT_FILE_NAME);
        rememberCurrentId();
        refreshIdCombo(dialog);
    }
    closeLog();
    enableRunButton(dialog, TRUE);
}

static void runChecked(HWND dialog)
{
    if (strcmp(settings.currentId, ID_PLACEHOLDER) == 0) {
        showErrorMessage(MESSAGE_NO_ID);
        return;
    }
    if (!idIsFileNameSafe(settings.currentId)) {
        showErrorMessage(MESSAGE_ID_NOT_A_FILE_NAME);
        return;
    }
    if (!openLog(settings.logPath)) {
        showErrorMessage(MESSAGE_LOG_NOT_OPENED);
        return;
    }
    runWithOpenLog(dialog);
}

void runAnalysisCommand(HWND dialog)
{
    if (running) return;
    running = 1;
    runChecked(dialog);
    running = 0;
}
