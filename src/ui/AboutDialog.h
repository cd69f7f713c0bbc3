#ifndef VORNIX_ABOUTDIALOG_H
#define VORNIX_ABOUTDIALOG_H
// The modal About box "バージョン情報".

#include <windows.h>

// Shows the About box over owner and returns when it has been closed.
void showAboutBox(HWND owner);

// The dialog procedure of "IDD_ABOUT": "閉じる", Esc and the close box end it with result 0.
INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
