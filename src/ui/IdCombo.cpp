#include "ui/IdCombo.h"

#include "settings/IdList.h"
#include "settings/Settings.h"
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
