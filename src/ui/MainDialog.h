#ifndef VORNIX_MAINDIALOG_H
#define VORNIX_MAINDIALOG_H
// The modeless main dialog: shows the settings, hands every command to the command table and writes
// the settings file when it is destroyed.

#include <windows.h>

// The dialog procedure of "IDD_Main".
INT_PTR CALLBACK mainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// 1 when the user asked to close the dialog while a run was in progress. The close waits until the
// run is over, so a fatal error of the run still leaves the settings file unwritten.
int closeRequestedDuringRun(void);

#endif
