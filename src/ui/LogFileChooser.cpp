#include "ui/LogFileChooser.h"

#include <commdlg.h>

#include "text/Text.h"
#include "text/Messages.h"

// Two entries: everything, then the game logs (selected at the start). The second name ends in a blank.

int chooseLogFile(HWND dialog, char* path, size_t size)
{
    char chosen[MAX_PATH] = "";
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = dialog;
    request.lpstrFilter = LOG_CHOOSER_FILTERS;
    request.nFilterIndex = 2;
    request.lpstrFile = chosen;
    request.nMaxFile = sizeof chosen;
    request.lpstrTitle = LOG_CHOOSER_TITLE;
    request.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (size) path[0] = '\0';
    if (!GetOpenFileNameA(&request)) return 0;
    copyText(path, size, chosen);
    return path[0] != '\0';
}
