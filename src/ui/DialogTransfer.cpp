#include "ui/DialogTransfer.h"

#include <string.h>

#include "settings/Settings.h"
#include "text/Numbers.h"
#include "text/Text.h"
#include "ui/ConditionsDialog.h"
#include "ui/RunSummary.h"
#include "ui/resource.h"

static int readRate(HWND dialog, int control)
{
    char text[PATH_SIZE];
    GetDlgItemTextA(dialog, control, text, sizeof text);
    return readLeadingInteger(text);
}

static int isChecked(HWND dialog, int control)
{
    return IsDlgButtonChecked(dialog, control) == BST_CHECKED;
}

static void setChecked(HWND dialog, int control, int checked)
{
    CheckDlgButton(dialog, control, checked ? BST_CHECKED : BST_UNCHECKED);
}

void readFromDialog(HWND dialog)
{
    char text[PATH_SIZE];
    GetDlgItemTextA(dialog, IDC_ID_COMBO, text, sizeof text);
    copyText(settings.currentId, sizeof settings.currentId, text);
    GetDlgItemTextA(dialog, IDC_LOG_PATH, text, sizeof text);
    copyText(settings.logPath, sizeof settings.logPath, text);
    settings.minRate = readRate(dialog, IDC_MIN_RATE);
    settings.maxRate = readRate(dialog, IDC_MAX_RATE);
    settings.saveOnExit = isChecked(dialog, IDC_SAVE_ON_EXIT);
    settings.reportOnDesktop = isChecked(dialog, IDC_REPORT_ON_DESKTOP);
}

void writeToDialog(HWND dialog, bool fillList)
{
    SetDlgItemTextA(dialog, IDC_ID_COMBO, settings.currentId);
    for (unsigned slot = 0; fillList && slot < settings.idCount; slot++)
        SendDlgItemMessageA(dialog, IDC_ID_COMBO, CB_ADDSTRING, 0, (LPARAM)settings.idList[slot]);
    showLogPath(dialog);
    SetDlgItemInt(dialog, IDC_MIN_RATE, (UINT)settings.minRate, TRUE);
    SetDlgItemInt(dialog, IDC_MAX_RATE, (UINT)settings.maxRate, TRUE);
    setChecked(dialog, IDC_SAVE_ON_EXIT, settings.saveOnExit);
    setChecked(dialog, IDC_REPORT_ON_DESKTOP, settings.reportOnDesktop);
    CheckRadioButton(dialog, IDC_SCHEME_STANDARD, IDC_SCHEME_BLUE, IDC_SCHEME_STANDARD + settings.colorScheme);
    showTrendCharts(dialog);
    showConditions(dialog);
    showAlsoIds(dialog);
    showDetails(dialog);
    showRivals(dialog);
}

void showTrendCharts(HWND dialog)
{
    UINT state = settings.trendCharts ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(GetMenu(dialog), IDM_TREND_CHARTS, MF_BYCOMMAND | state);
    showRunSummary(dialog);
}

void showConditions(HWND dialog)
{
    UINT state = conditionsDialogSet() ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(GetMenu(dialog), IDM_CONDITIONS, MF_BYCOMMAND | state);
    showRunSummary(dialog);
}

void showAlsoIds(HWND dialog)
{
    UINT state = settings.alsoIds[0] ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(GetMenu(dialog), IDM_ALSO_IDS, MF_BYCOMMAND | state);
    showRunSummary(dialog);
}

void showDetails(HWND dialog)
{
    UINT state = settings.details ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(GetMenu(dialog), IDM_DETAILS, MF_BYCOMMAND | state);
    showRunSummary(dialog);
}

void showRivals(HWND dialog)
{
    UINT state = settings.rivals ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(GetMenu(dialog), IDM_RIVALS, MF_BYCOMMAND | state);
    showRunSummary(dialog);
}

void showLogPath(HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_LOG_PATH, settings.logPath);
    // The caret at the end scrolls a path too long for the box to its file name.
    int length = (int)strlen(settings.logPath);
    SendDlgItemMessageA(dialog, IDC_LOG_PATH, EM_SETSEL, length, length);
    SendDlgItemMessageA(dialog, IDC_LOG_PATH, EM_SCROLLCARET, 0, 0);
    showRunSummary(dialog);
}
