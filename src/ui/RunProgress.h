#ifndef VORNIX_RUNPROGRESS_H
#define VORNIX_RUNPROGRESS_H
// What the dialog shows while a run reads the log: the Run button greyed and the share of the log
// read in the line above it, refreshed a few times a second; meanwhile the dialog's messages are
// served, so it repaints and can be moved, and its commands are refused (ui/Commands.h).

#include <windows.h>

// Greys the Run button and the menus, shows 0 % and has the run's read loop call back. dialog may be
// NULL (the run at start-up): nothing is shown then.
void startRunProgress(HWND dialog);

// Stops the calls, enables the Run button and the menus and shows the line of the settings again.
void endRunProgress(HWND dialog);

#endif
