#include "ui/AboutDialog.h"

#include "ui/resource.h"

void showAboutBox(HWND owner)
{
    HINSTANCE instance = (HINSTANCE)GetWindowLongPtrA(owner, GWLP_HINSTANCE);
    DialogBoxParamA(instance, RESOURCE_ABOUT_DIALOG, owner, aboutDialogProc, 0);
}

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (message == WM_CLOSE || (message == WM_COMMAND && wParam == IDC_EXIT)) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}
