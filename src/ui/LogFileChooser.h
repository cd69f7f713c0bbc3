#ifndef VORNIX_LOGFILECHOOSER_H
#define VORNIX_LOGFILECHOOSER_H
// The open-file dialog that chooses the game log.

#include <stddef.h>
#include <windows.h>

// Shows the system's open-file dialog over the main dialog and copies the full path chosen into path
// (cut to size - 1 bytes). Returns 1 when a file was chosen; 0 when the user cancelled or the dialog
// failed, with path empty.
int chooseLogFile(HWND dialog, char* path, size_t size);

#endif
