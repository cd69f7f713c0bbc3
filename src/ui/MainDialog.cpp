// The main dialog's procedure and its three lifecycle steps.
#include "ui/MainDialog.h"

#include <imm.h>

#include "platform/platform.h"
#include "settings/IdList.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "ui/Commands.h"
#include "ui/DialogTransfer.h"
#include "ui/IdCombo.h"
#include "ui/RunAnalysisCommand.h"
#include "ui/RunSummary.h"
#include "ui/resource.h"

static int closeRequested;

int closeRequestedDuringRun(void)
{
    return closeRequested;
}

// Sets the icon, lets the rate boxes take direct keyboard input even with the Japanese input method
// on, shows the settings and makes the dialog the owner of the message boxes. Returning TRUE puts the
// focus on the first tab stop, the ID box.
static INT_PTR onInitDialog(HWND dialog)
{
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(dialog, GWLP_HINSTANCE);
    HICON icon = LoadIconA(instance, RESOURCE_ICON);
    if (icon) SendMessageA(dialog, WM_SETICON, ICON_BIG, (LPARAM)icon);
    ImmAssociateContext(GetDlgItem(dialog, IDC_MIN_RATE), NULL);
    ImmAssociateContext(GetDlgItem(dialog, IDC_MAX_RATE), NULL);
    prepareRunSummary(dialog);
    writeToDialog(dialog, true);
    makePlaceholderAHint(dialog);
    setMessageOwner(dialog);
    return TRUE;
}

// A close asked for while a run (or one of its message boxes) is in progress happens when the run
// returns; the Run command sees closeRequestedDuringRun.
static INT_PTR onClose(HWND dialog)
{
    if (analysisInProgress()) {
        closeRequested = 1;
        return TRUE;
    }
    DestroyWindow(dialog);
    return TRUE;
}

// Program end: with "終了時に設定を保存する" checked the dialog's state is stored, otherwise the state
// of start-up or of the last Save with that flag cleared; the ID list of this moment in both cases.
static INT_PTR onDestroy(HWND dialog)
{
    setMessageOwner(NULL);   // the dialog is going: a failed save's message stands alone
    if (IsDlgButtonChecked(dialog, IDC_SAVE_ON_EXIT) == BST_CHECKED) {
        readFromDialog(dialog);
        rememberCurrentId();
    } else {
        restoreBackup();
        settings.saveOnExit = 0;
    }
    writeSettingsFile();
    PostQuitMessage(0);
    return TRUE;
}

INT_PTR CALLBACK mainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return onInitDialog(dialog);
    case WM_COMMAND:    return dispatchCommand(dialog, wParam, lParam);
    case WM_CLOSE:      return onClose(dialog);
    case WM_DESTROY:    return onDestroy(dialog);
    }
    return FALSE;
}
