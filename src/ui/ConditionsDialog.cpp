#include "ui/ConditionsDialog.h"

#include <commctrl.h>
#include <imm.h>
#include <stdio.h>
#include <string.h>

#include "analysis/Conditions.h"
#include "platform/platform.h"
#include "settings/AnalysisConditions.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "text/Text.h"
#include "ui/LobbyChecklist.h"
#include "ui/resource.h"

enum { CONDITIONS_CLEARED = 3 };   // the dialog's result after "条件を解除" (beside IDOK, IDCANCEL)

enum { DAY_BOX_LIMIT = 32 };   // typed text beyond any accepted form, but never cut into one

struct RadioChoice {
    int first, last;   // the group's buttons, "すべて" first
    int* field;        // in settings
    int values[3];     // the field's value of each button
};

static const RadioChoice radioChoices[] = {
    { IDC_CONDITION_LENGTH_ALL, IDC_CONDITION_LENGTH_HANCHAN, &settings.gameLength, { 0, LENGTH_TONPU, LENGTH_HANCHAN } },
    { IDC_CONDITION_SEATS_ALL, IDC_CONDITION_SEATS_THREE, &settings.seats, { 0, 4, 3 } },
};

static HWND conditionsOwner;   // the main dialog, whose log path box names the log to list

static void prepareDayBox(HWND dialog, int control, const char* day)
{
    HWND box = GetDlgItem(dialog, control);
    ImmAssociateContext(box, NULL);   // digits and "/" typed directly, the Japanese input method on or not
    SendMessageA(box, EM_LIMITTEXT, DAY_BOX_LIMIT, 0);
    SetWindowTextA(box, day);
}

static INT_PTR onInitDialog(HWND dialog)
{
    setMessageOwner(dialog);
    prepareDayBox(dialog, IDC_CONDITION_FIRST_DAY, settings.firstDay);
    prepareDayBox(dialog, IDC_CONDITION_LAST_DAY, settings.lastDay);
    char logPath[PATH_SIZE] = "", id[ID_SIZE] = "";
    if (conditionsOwner) {
        GetDlgItemTextA(conditionsOwner, IDC_LOG_PATH, logPath, sizeof logPath);
        char text[PATH_SIZE];
        GetDlgItemTextA(conditionsOwner, IDC_ID_COMBO, text, sizeof text);
        if (strcmp(text, ID_PLACEHOLDER) != 0) copyText(id, sizeof id, text);
    }
    fillLobbyChecklist(GetDlgItem(dialog, IDC_CONDITION_LOBBIES), GetDlgItem(dialog, IDC_CONDITION_LOBBY_NOTE),
                       logPath, id, settings.lobbies);
    for (const RadioChoice& choice : radioChoices) {
        int button = choice.first;
        for (int i = 0; i <= choice.last - choice.first; i++)
            if (choice.values[i] == *choice.field) button = choice.first + i;
        CheckRadioButton(dialog, choice.first, choice.last, button);
    }
    CheckDlgButton(dialog, IDC_CONDITION_SKIP_BROKEN, settings.skipBroken ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;   // the focus to the first tab stop, the first day
}

// Shows the refusal over the dialog and puts the focus into the control, its text selected.
static void refuse(HWND dialog, int control, const char* message)
{
    showErrorMessage(message);
    HWND box = GetDlgItem(dialog, control);
    SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)box, TRUE);
    SendMessageA(box, EM_SETSEL, 0, -1);
}

// Reads a day box into day. Returns 0 after refusing it, the box and what it holds named.
static int readDayBox(HWND dialog, int control, const char* name, char day[DATE_SIZE])
{
    char text[DAY_BOX_LIMIT + 1];
    GetDlgItemTextA(dialog, control, text, sizeof text);
    const char* refusal = readDateInput(text, day);
    if (!refusal) return 1;
    char message[DAY_BOX_LIMIT + 256];
    if (refusal == MESSAGE_DATE_IMPOSSIBLE) snprintf(message, sizeof message, CONDITIONS_DAY_IMPOSSIBLE, name, text);
    else snprintf(message, sizeof message, CONDITIONS_DAY_REFUSED, name, text, refusal);
    refuse(dialog, control, message);
    return 0;
}

// Everything is checked before anything is stored: a refusal leaves settings and the dialog as they
// were, and the dialog open.
static void onOk(HWND dialog)
{
    char firstDay[DATE_SIZE], lastDay[DATE_SIZE], lobbies[LOBBY_LIST_SIZE];
    if (!readDayBox(dialog, IDC_CONDITION_FIRST_DAY, "開始日", firstDay)) return;
    if (!readDayBox(dialog, IDC_CONDITION_LAST_DAY, "終了日", lastDay)) return;
    const char* refusal = checkPeriod(firstDay, lastDay);
    if (refusal) {
        refuse(dialog, IDC_CONDITION_FIRST_DAY, refusal);
        return;
    }
    refusal = readLobbyChecklist(GetDlgItem(dialog, IDC_CONDITION_LOBBIES), lobbies, sizeof lobbies);
    if (refusal) {
        showErrorMessage(refusal);
        SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dialog, IDC_CONDITION_LOBBIES), TRUE);
        return;
    }
    copyText(settings.firstDay, sizeof settings.firstDay, firstDay);
    copyText(settings.lastDay, sizeof settings.lastDay, lastDay);
    copyText(settings.lobbies, sizeof settings.lobbies, lobbies);
    for (const RadioChoice& choice : radioChoices)
        for (int i = 0; i <= choice.last - choice.first; i++)
            if (IsDlgButtonChecked(dialog, choice.first + i) == BST_CHECKED) *choice.field = choice.values[i];
    settings.skipBroken = IsDlgButtonChecked(dialog, IDC_CONDITION_SKIP_BROKEN) == BST_CHECKED;
    EndDialog(dialog, IDOK);
}

static void onClear(HWND dialog)
{
    clearConditions();
    EndDialog(dialog, CONDITIONS_CLEARED);
}

static INT_PTR onCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:                onOk(dialog); return TRUE;
    case IDCANCEL:            EndDialog(dialog, IDCANCEL); return TRUE;
    case IDC_CONDITION_CLEAR: onClear(dialog); return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK conditionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG: return onInitDialog(dialog);
    case WM_COMMAND:    return onCommand(dialog, wParam);
    case WM_CLOSE:      EndDialog(dialog, IDCANCEL); return TRUE;
    }
    return FALSE;
}

int showConditionsDialog(HWND owner)
{
    INITCOMMONCONTROLSEX controls = { sizeof controls, ICC_LISTVIEW_CLASSES };
    InitCommonControlsEx(&controls);
    conditionsOwner = owner;
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(owner, GWLP_HINSTANCE);
    INT_PTR result = DialogBoxParamA(instance, RESOURCE_CONDITIONS_DIALOG, owner, conditionsDialogProc, 0);
    setMessageOwner(owner);
    return result == IDOK || result == CONDITIONS_CLEARED;
}

int conditionsDialogSet(void)
{
    return selectionConditionsSet() || settings.skipBroken;
}
