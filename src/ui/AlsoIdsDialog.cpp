#include "ui/AlsoIdsDialog.h"

#include <stdio.h>
#include <string.h>

#include "platform/platform.h"
#include "settings/AlsoIds.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "text/Text.h"
#include "ui/RunSummary.h"
#include "ui/resource.h"

enum { ALSO_IDS_BOX_LIMIT = 500 };   // typed text beyond nine IDs and their separators, never cut into one

static HWND alsoIdsOwner;   // the main dialog, whose ID box holds the ID they go with

// The ID box's text, empty for the placeholder.
static void ownerId(char id[ID_SIZE])
{
    char text[PATH_SIZE] = "";
    if (alsoIdsOwner) GetDlgItemTextA(alsoIdsOwner, IDC_ID_COMBO, text, sizeof text);
    copyText(id, ID_SIZE, strcmp(text, ID_PLACEHOLDER) == 0 ? "" : text);
}

// The list "B;C;" as the box shows it: one ID per line.
static void showList(HWND dialog, const char* list)
{
    char text[ALSO_ID_LIST_SIZE * 2] = "";
    while (*list) {
        size_t length = strcspn(list, ";");
        char id[ID_SIZE];
        copyTextN(id, sizeof id, list, length);
        if (text[0]) appendText(text, sizeof text, "\r\n");
        appendText(text, sizeof text, id);
        list += length + (list[length] == ';');
    }
    SetDlgItemTextA(dialog, IDC_ALSO_IDS, text);
}

static INT_PTR onInitDialog(HWND dialog)
{
    setMessageOwner(dialog);
    SendDlgItemMessageA(dialog, IDC_ALSO_IDS, EM_LIMITTEXT, ALSO_IDS_BOX_LIMIT, 0);
    showList(dialog, settings.alsoIds);
    return TRUE;
}

// Everything is checked before anything is stored: a refusal names the ID and leaves the dialog open.
static void onOk(HWND dialog)
{
    char typed[ALSO_IDS_BOX_LIMIT + 1], id[ID_SIZE], list[ALSO_ID_LIST_SIZE], bad[ID_SIZE];
    GetDlgItemTextA(dialog, IDC_ALSO_IDS, typed, sizeof typed);
    ownerId(id);
    const char* refusal = readAlsoIdsInput(typed, id, list, bad);
    if (refusal) {
        char message[256];
        snprintf(message, sizeof message, MESSAGE_ALSO_ID_REFUSED, bad, refusal);
        showErrorMessage(message);
        SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(dialog, IDC_ALSO_IDS), TRUE);
        return;
    }
    copyText(settings.alsoIds, sizeof settings.alsoIds, list);
    EndDialog(dialog, IDOK);
}

static INT_PTR onCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:     onOk(dialog); return TRUE;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
    }
    return FALSE;
}

static INT_PTR CALLBACK alsoIdsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG: return onInitDialog(dialog);
    case WM_COMMAND:    return onCommand(dialog, wParam);
    case WM_CLOSE:      EndDialog(dialog, IDCANCEL); return TRUE;
    }
    return FALSE;
}

int showAlsoIdsDialog(HWND owner)
{
    alsoIdsOwner = owner;
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(owner, GWLP_HINSTANCE);
    INT_PTR result = DialogBoxParamA(instance, RESOURCE_ALSO_IDS_DIALOG, owner, alsoIdsDialogProc, 0);
    setMessageOwner(owner);
    return result == IDOK;
}

void alsoIdsFollowChosenId(HWND dialog)
{
    LRESULT chosen = SendDlgItemMessageA(dialog, IDC_ID_COMBO, CB_GETCURSEL, 0, 0);
    if (chosen < 0) return;
    char id[PATH_SIZE];
    if (SendDlgItemMessageA(dialog, IDC_ID_COMBO, CB_GETLBTEXTLEN, (WPARAM)chosen, 0) >= (LRESULT)sizeof id) return;
    if (SendDlgItemMessageA(dialog, IDC_ID_COMBO, CB_GETLBTEXT, (WPARAM)chosen, (LPARAM)id) < 0) return;
    switchAlsoIds(id);
    copyText(settings.currentId, sizeof settings.currentId, id);
    showRunSummary(dialog);
}
