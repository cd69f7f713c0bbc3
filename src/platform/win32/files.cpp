// Files, folders and the process's environment on Windows. Every call is the ...A form, so text stays
// code page 932 bytes end to end.
#include "platform/platform.h"

#include <windows.h>
#include <io.h>
#include <shlobj.h>
#include <string.h>

FILE* openFile(const char* name, const char* mode)
{
    return fopen(name, mode);
}

int replaceFile(const char* from, const char* to)
{
    HANDLE file = CreateFileA(from, GENERIC_WRITE, 0, NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return 0;
    BOOL flushed = FlushFileBuffers(file);
    CloseHandle(file);
    return flushed && MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

int syncFile(FILE* file)
{
    return fflush(file) == 0 && FlushFileBuffers((HANDLE)_get_osfhandle(_fileno(file)));
}

int removeFile(const char* name)
{
    return DeleteFileA(name) != 0;
}

int directoryExists(const char* path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int createDirectory(const char* path)
{
    return CreateDirectoryA(path, NULL) != 0;
}

int getCurrentDirectory(char* buffer, size_t size)
{
    char path[MAX_PATH];
    if (size) buffer[0] = '\0';
    DWORD length = GetCurrentDirectoryA(sizeof path, path);
    if (length == 0 || length >= sizeof path) return 0;
    snprintf(buffer, size, "%s", path);
    return 1;
}

int setCurrentDirectory(const char* path)
{
    return SetCurrentDirectoryA(path) != 0;
}

int getSpecialFolder(SpecialFolder folder, char* buffer, size_t size)
{
    LPITEMIDLIST items = NULL;
    char path[MAX_PATH] = "";
    if (size) buffer[0] = '\0';
    if (SHGetSpecialFolderLocation(NULL, (int)folder, &items) != S_OK) return 0;
    BOOL found = SHGetPathFromIDListA(items, path);
    CoTaskMemFree(items);
    if (!found) return 0;
    snprintf(buffer, size, "%s", path);
    return 1;
}

const char* getCommandLine(void)
{
    return GetCommandLineA();
}

void setCommandLine(int argc, char** argv)
{
    (void)argc;
    (void)argv;
}

// Copies text into out, cut to size - 1 bytes. Returns the length copied.
static size_t copyCut(const char* text, char* out, size_t size)
{
    if (size == 0) return 0;
    size_t length = strlen(text);
    if (length > size - 1) length = size - 1;
    memcpy(out, text, length);
    out[length] = '\0';
    return length;
}

size_t argumentToCp932(const char* text, char* out, size_t size)
{
    return copyCut(text, out, size);
}

size_t displayPath(const char* path, char* out, size_t size)
{
    return copyCut(path, out, size);
}

void formatFileLink(char* out, size_t size, const char* folder, const char* name)
{
    snprintf(out, size, "file:///%s\\%s", folder, name);
}
