// The special folders on Windows, apart from the other file calls: only the Windows program asks for
// them, and a program that never does then does not load the shell's libraries at start.
#include "platform/platform.h"

#include <windows.h>
#include <shlobj.h>

#include "text/Text.h"

int getSpecialFolder(SpecialFolder folder, char* buffer, size_t size)
{
    LPITEMIDLIST items = NULL;
    char path[MAX_PATH] = "";
    if (size) buffer[0] = '\0';
    if (SHGetSpecialFolderLocation(NULL, (int)folder, &items) != S_OK) return 0;
    BOOL found = SHGetPathFromIDListA(items, path);
    CoTaskMemFree(items);
    if (!found) return 0;
    return copyWholeText(buffer, size, path);
}
