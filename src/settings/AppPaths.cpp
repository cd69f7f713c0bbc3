// The process-wide folders and switches; start-up fills them.
#include "settings/AppPaths.h"

#include <string.h>

AppPaths appPaths;
LaunchOptions launchOptions;

int joinPath(char* dst, size_t size, const char* folder, const char* name)
{
    size_t folderLength = strlen(folder);
    size_t nameLength = strlen(name);
    if (size == 0) return 0;
    if (folderLength + 1 + nameLength > size - 1) {
        dst[0] = '\0';
        return 0;
    }
    memmove(dst, folder, folderLength);
    dst[folderLength] = '\\';
    memcpy(dst + folderLength + 1, name, nameLength + 1);
    return 1;
}
