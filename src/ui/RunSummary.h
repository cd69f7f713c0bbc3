#ifndef VORNIX_RUNSUMMARY_H
#define VORNIX_RUNSUMMARY_H
// The main dialog's line above its two buttons: what the next run uses beyond the ID, the log and the
// rates (the analysis conditions, the tolerant reading, the optional outputs), a log path that names
// nothing readable, and during a run its progress. With nothing to say it is hidden and the dialog
// has the size of its template; otherwise the buttons move down and the dialog grows to fit it.

#include <windows.h>

// Remembers where the template puts the buttons and how tall it makes the dialog. Called once, from
// WM_INITDIALOG, before the first showRunSummary.
void prepareRunSummary(HWND dialog);

// Shows the line for settings and for the file the log path box names.
void showRunSummary(HWND dialog);

// Shows the share of the log read (0 to 100) in the line instead.
void showRunProgress(HWND dialog, int percent);

// 1 when path names a regular file that opens for reading; 0 otherwise.
int logPathReadable(const char* path);

#endif
