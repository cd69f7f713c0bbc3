#ifndef VORNIX_COMMANDS_H
#define VORNIX_COMMANDS_H
// The command table of the main dialog: every button, menu item and accelerator.

#include <windows.h>

// Runs the command whose id is the low word of wParam; the notification code and lParam are
// ignored, so a button, a menu item and an accelerator with the same id do the same. Unknown ids are
// ignored. While a run is in progress only the close (IDC_EXIT) is taken. Returns TRUE when the id was in the table (the dialog manager makes nothing of it).
INT_PTR dispatchCommand(HWND dialog, WPARAM wParam, LPARAM lParam);

#endif
