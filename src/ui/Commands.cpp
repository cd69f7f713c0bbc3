#include "ui/Commands.h"

#include "platform/platform.h"
#include "settings/AppPaths.h"
#include "settings/IdList.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "ui/AboutDialog.h"
#include "ui/AlsoIdsDialog.h"
#include "ui/ConditionsDialog.h"
#include "ui/DialogTransfer.h"
#include "ui/IdCombo.h"
#include "ui/LogFileChooser.h"
#include "ui/MainDialog.h"
#include "ui/RunAnalysisCommand.h"
#include "ui/ShellOpen.h"
#include "ui/resource.h"
#include "text/Messages.h"

struct CommandEntry {
    WORD id;
    void (*handler)(HWND dialog, WORD id);
};

static void selectFocusedText(void)
{
    SendMessageA(GetFocus(), EM_SETSEL, 0, -1);
}

static void exitCommand(HWND dialog, WORD)
{
    SendMessageA(dialog, WM_CLOSE, 0, 0);
}

static void browseCommand(HWND dialog, WORD)
{
    char path[PATH_SIZE];
    if (!chooseLogFile(dialog, path, sizeof path)) return;
    copyText(settings.logPath, sizeof settings.logPath, path);
    showLogPath(dialog);
}

// Disabling a clicked Run button for the run takes the focus from the dialog, and Tab, Enter and Esc
// would do nothing until the next click: the ID box then takes the focus (its text selected).
// WM_NEXTDLGCTL, unlike a bare SetFocus, also gives the default button back its look. A focus that
// outlived the run (Enter in a box, the menu, a refusal) stays where the user left it.
static void restoreFocus(HWND dialog)
{
    HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus) && IsWindowEnabled(focus)) return;
    SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dialog, IDC_ID_COMBO), TRUE);
}

// Ignored while a run is in progress (its message boxes disable the dialog, but a command can still
// be sent to it from outside). With "-q", or when the dialog was asked to close during the run, the
// dialog closes afterwards; otherwise a control has the keyboard focus, whatever the outcome.
static void runCommand(HWND dialog, WORD)
{
    if (analysisInProgress()) return;
    readFromDialog(dialog);
    runAnalysisCommand(dialog);
    if (launchOptions.quitAfterRun || closeRequestedDuringRun()) SendMessageA(dialog, WM_CLOSE, 0, 0);
    else restoreFocus(dialog);
}

static void clearIdsCommand(HWND dialog, WORD)
{
    clearIdCombo(dialog);
    SetDlgItemTextA(dialog, IDC_ID_COMBO, ID_PLACEHOLDER);
    SetFocus(GetDlgItem(dialog, IDC_ID_COMBO));
    selectFocusedText();
}

// The check boxes are of the plain kind: a click only sends the command.
static void toggleCommand(HWND dialog, WORD id)
{
    UINT state = IsDlgButtonChecked(dialog, id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
    CheckDlgButton(dialog, id, state);
}

static void schemeCommand(HWND dialog, WORD id)
{
    CheckRadioButton(dialog, IDC_SCHEME_STANDARD, IDC_SCHEME_BLUE, id);
    settings.colorScheme = id - IDC_SCHEME_STANDARD;
}

// The option takes effect at once, like the colour scheme; the check mark shows it.
static void trendChartsCommand(HWND dialog, WORD)
{
    settings.trendCharts = !settings.trendCharts;
    showTrendCharts(dialog);
}

// The dialog changes settings at once on OK, like the other options; the check mark follows. Not
// while a run reads the log, which the dialog's listing would take from it.
static void conditionsCommand(HWND dialog, WORD)
{
    if (analysisInProgress()) return;
    showConditionsDialog(dialog);
    showConditions(dialog);
}

// The further IDs go with the ID box's ID; the check mark shows while there are some.
static void alsoIdsCommand(HWND dialog, WORD)
{
    showAlsoIdsDialog(dialog);
    showAlsoIds(dialog);
}

static void detailsCommand(HWND dialog, WORD)
{
    settings.details = !settings.details;
    showDetails(dialog);
}

static void rivalsCommand(HWND dialog, WORD)
{
    settings.rivals = !settings.rivals;
    showRivals(dialog);
}

static void copyCommand(HWND, WORD)
{
    SendMessageA(GetFocus(), WM_COPY, 0, 0);
}

static void cutCommand(HWND, WORD)
{
    SendMessageA(GetFocus(), WM_CUT, 0, 0);
}

static void pasteCommand(HWND, WORD)
{
    SendMessageA(GetFocus(), WM_PASTE, 0, 0);
}

static void selectAllCommand(HWND, WORD)
{
    selectFocusedText();
}

// "元に戻す" is greyed by the first Save and stays so; a failed write greys it all the same.
static void saveCommand(HWND dialog, WORD)
{
    readFromDialog(dialog);
    rememberCurrentId();
    refreshIdCombo(dialog);
    takeBackup();
    writeSettingsFile();
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE;
    item.fState = MFS_GRAYED;
    SetMenuItemInfoA(GetMenu(dialog), IDM_RESTORE, FALSE, &item);
}

static void restoreCommand(HWND dialog, WORD)
{
    restoreBackup();
    writeToDialog(dialog, false);
}

static void defaultsCommand(HWND dialog, WORD)
{
    readFromDialog(dialog);
    applyDefaults();
    writeToDialog(dialog, false);
}

// A start-up directory too long for "\Readme.txt" leaves readmePath empty: the guide is then not offered.
static void userGuideCommand(HWND, WORD)
{
    if (appPaths.readmePath[0]) openForUser(appPaths.readmePath, appPaths.readmePath, MESSAGE_GUIDE_NOT_SHOWN);
}

static void aboutCommand(HWND dialog, WORD)
{
    showAboutBox(dialog);
}

static const CommandEntry commands[] = {
    { IDC_EXIT, exitCommand },
    { IDC_BROWSE, browseCommand },
    { IDC_RUN, runCommand },
    { IDC_CLEAR_IDS, clearIdsCommand },
    { IDC_SAVE_ON_EXIT, toggleCommand },
    { IDC_REPORT_ON_DESKTOP, toggleCommand },
    { IDC_SCHEME_STANDARD, schemeCommand },
    { IDC_SCHEME_WHITE, schemeCommand },
    { IDC_SCHEME_BLACK, schemeCommand },
    { IDC_SCHEME_BLUE, schemeCommand },
    { IDM_COPY, copyCommand },
    { IDM_CUT, cutCommand },
    { IDM_PASTE, pasteCommand },
    { IDM_SELECT_ALL, selectAllCommand },
    { IDM_SAVE, saveCommand },
    { IDM_RESTORE, restoreCommand },
    { IDM_DEFAULTS, defaultsCommand },
    { IDM_CLEAR_ID_LIST, clearIdsCommand },
    { IDM_USER_GUIDE, userGuideCommand },
    { IDM_ABOUT, aboutCommand },
    { IDM_TREND_CHARTS, trendChartsCommand },
    { IDM_CONDITIONS, conditionsCommand },
    { IDM_ALSO_IDS, alsoIdsCommand },
    { IDC_RUN_SUMMARY, conditionsCommand },
    { IDM_DETAILS, detailsCommand },
    { IDM_RIVALS, rivalsCommand },
};

INT_PTR dispatchCommand(HWND dialog, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    WORD id = LOWORD(wParam);
    // While a run reads the log the dialog is served from its progress: only a close is taken, and it
    // waits for the run's end (ui/MainDialog.h).
    if (analysisInProgress() && id != IDC_EXIT) return TRUE;
    if (id == IDC_ID_COMBO) {
        if (HIWORD(wParam) != CBN_SELCHANGE) return FALSE;
        alsoIdsFollowChosenId(dialog);
        showAlsoIds(dialog);
        return TRUE;
    }
    for (const CommandEntry& entry : commands) {
        if (entry.id != id) continue;
        entry.handler(dialog, id);
        return TRUE;
    }
    return FALSE;
}
