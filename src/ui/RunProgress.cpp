#include "ui/RunProgress.h"

#include "analysis/RunState.h"
#include "run/AnalysisRun.h"
#include "ui/RunSummary.h"
#include "ui/resource.h"

enum { PROGRESS_INTERVAL_MS = 150 };

static HWND progressDialog;
static DWORD lastShown;
static int shownPercent;

// Serves the messages waiting for the dialog, the way the message loop does (the dialog manager
// first); a WM_QUIT is put back for the loop.
static void serveMessages(void)
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage((int)message.wParam);
            return;
        }
        if (IsDialogMessageA(progressDialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Called at every line of the log: cheap until the interval has passed.
static void onRunProgress(void)
{
    DWORD now = GetTickCount();
    if (now - lastShown < PROGRESS_INTERVAL_MS) return;
    lastShown = now;
    int percent = runPercentRead();
    if (percent != shownPercent) {
        shownPercent = percent;
        showRunProgress(progressDialog, percent);
    }
    serveMessages();
}

// Greys the menus of the menu bar during a run (their commands would be refused, and an open menu
// would hold the run up), or enables them again.
static void enableMenus(HWND dialog, int enable)
{
    HMENU menu = GetMenu(dialog);
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; i++) EnableMenuItem(menu, (UINT)i, MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
    DrawMenuBar(dialog);
}

void startRunProgress(HWND dialog)
{
    if (!dialog) return;
    progressDialog = dialog;
    EnableWindow(GetDlgItem(dialog, IDC_RUN), FALSE);
    enableMenus(dialog, 0);
    shownPercent = 0;
    showRunProgress(dialog, 0);
    UpdateWindow(dialog);
    lastShown = GetTickCount();
    run.progress = onRunProgress;
}

void endRunProgress(HWND dialog)
{
    if (!dialog) return;
    run.progress = NULL;
    progressDialog = NULL;
    EnableWindow(GetDlgItem(dialog, IDC_RUN), TRUE);
    enableMenus(dialog, 1);
    showRunSummary(dialog);
}
