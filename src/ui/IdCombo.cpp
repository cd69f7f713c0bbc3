#include "ui/IdCombo.h"

#include <string.h>

#include "settings/IdList.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "ui/resource.h"

// Deletes the first entry until none is left. CB_RESETCONTENT is not used: it would also empty the
// ID box's text.
static void emptyDropDownList(HWND dialog)
{
    while (SendDlgItemMessageA(dialog, IDC_ID_COMBO, CB_DELETESTRING, 0, 0) > 0) {
    }
}

void refreshIdCombo(HWND dialog)
{
    if (!dialog) return;
    emptyDropDownList(dialog);
    for (unsigned slot = 0; slot < settings.idCount; slot++)
        SendDlgItemMessageA(dialog, IDC_ID_COMBO, CB_ADDSTRING, 0, (LPARAM)settings.idList[slot]);
    SetDlgItemTextA(dialog, IDC_ID_COMBO, settings.idList[0]);
    SendMessageA(GetFocus(), EM_SETSEL, 0, -1);
}

void clearIdCombo(HWND dialog)
{
    if (dialog) emptyDropDownList(dialog);
    clearIdList();
}

static WNDPROC editProcedure;   // the ID box's own edit procedure

// After the edit part has taken the focus or a click, a placeholder in it is selected whole, so that
// typing replaces it instead of going into it at the caret. A click sets the caret as it goes down,
// hence the selection when the button comes up.
static LRESULT CALLBACK idEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CallWindowProcA(editProcedure, edit, message, wParam, lParam);
    if (message != WM_SETFOCUS && message != WM_LBUTTONUP) return result;
    char text[PATH_SIZE];
    GetWindowTextA(edit, text, sizeof text);
    if (strcmp(text, ID_PLACEHOLDER) == 0) SendMessageA(edit, EM_SETSEL, 0, -1);
    return result;
}

void makePlaceholderAHint(HWND dialog)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(GetDlgItem(dialog, IDC_ID_COMBO), &info) || !info.hwndItem) return;
    editProcedure = (WNDPROC)SetWindowLongPtrA(info.hwndItem, GWLP_WNDPROC, (LONG_PTR)idEditProc);
}
