// Files, folders and the process's environment on Windows. Every call is the ...A form, so text stays
// code page 932 bytes end to end.
#include "platform/platform.h"

#include <windows.h>
#include <io.h>
#include <shlobj.h>
#include <string.h>

#include "text/Text.h"

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
    return copyWholeText(buffer, size, path);
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
    return copyWholeText(buffer, size, path);
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

size_t nativePathLimit(void)
{
    return MAX_PATH - 1;
}

FILE* openRegularFile(const char* name)
{
    FILE* file = fopen(name, "rb");
    if (!file) return NULL;
    // A device ("CON", "NUL") or a pipe opens like a file; only a file on a disk is a log.
    HANDLE handle = (HANDLE)_get_osfhandle(_fileno(file));
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) != FILE_TYPE_DISK) {
        fclose(file);
        return NULL;
    }
    return file;
}

FILE* openNativeRegularFile(const char* path)
{
    return openRegularFile(path);
}

int setNativeCurrentDirectory(const char* path)
{
    return setCurrentDirectory(path);
}

int printPathInCurrentDirectory(FILE* stream, const char* name)
{
    char path[MAX_PATH];
    if (!getCurrentDirectory(path, sizeof path)) return 0;
    return fprintf(stream, "%s\\%s\n", path, name) > 0;
}

int printConsoleText(FILE* stream, const char* text)
{
    return fputs(text, stream) >= 0;
}

int argumentToCp932(const char* text, char* out, size_t size)
{
    return copyWholeText(out, size, text);
}

int argumentFitsCp932(const char*)
{
    return 1;
}

void formatFileLink(char* out, size_t size, const char* folder, const char* name)
{
    copyText(out, size, "file:///");
    appendText(out, size, folder);
    appendText(out, size, "\\");
    appendText(out, size, name);
}
