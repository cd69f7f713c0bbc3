// Files, folders and the process's environment on Windows. Every call is the ...A form, so text stays
// code page 932 bytes end to end.
#include "platform/platform.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <string.h>

#include "platform/FileLink.h"
#include "text/Text.h"

FILE* openFile(const char* name, const char* mode)
{
    return fopen(name, mode);
}

// A stdio stream over an open handle, in binary (flags: the C runtime's _O_ flags besides _O_BINARY);
// NULL, with the handle closed, when the runtime can't take it.
static FILE* streamOfHandle(HANDLE handle, int flags, const char* mode)
{
    int fd = _open_osfhandle((intptr_t)handle, flags | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return NULL;
    }
    FILE* file = _fdopen(fd, mode);
    if (!file) _close(fd);
    return file;
}

FILE* createNewFile(const char* name)
{
    HANDLE handle = CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
    if (handle == INVALID_HANDLE_VALUE) return NULL;
    return streamOfHandle(handle, 0, "wb");
}

FILE* openScratchFile(void)
{
    wchar_t folder[MAX_PATH + 1], name[MAX_PATH + 1];
    DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    if (length == 0 || length > MAX_PATH || !GetTempFileNameW(folder, L"vnx", 0, name)) return NULL;
    // Deleted by the system once the last handle closes, which a killed process's does too.
    HANDLE handle = CreateFileW(name, GENERIC_READ | GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, NULL);
    if (handle == INVALID_HANDLE_VALUE) {
        DeleteFileW(name);
        return NULL;
    }
    return streamOfHandle(handle, _O_RDWR, "w+b");
}

int outputNameState(const char* name)
{
    DWORD attributes = GetFileAttributesA(name);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? OUTPUT_NAME_FREE : OUTPUT_NAME_IN_THE_WAY;
    }
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) return OUTPUT_NAME_IN_THE_WAY;
    if (attributes & FILE_ATTRIBUTE_READONLY) return OUTPUT_NAME_LOCKED;
    HANDLE file = CreateFileA(name, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, NULL);
    if (file == INVALID_HANDLE_VALUE) return OUTPUT_NAME_LOCKED;
    // A device ("CON", "NUL") opens like a file; only a file on a disk may be replaced.
    int disk = GetFileType(file) == FILE_TYPE_DISK;
    CloseHandle(file);
    return disk ? OUTPUT_NAME_FILE : OUTPUT_NAME_IN_THE_WAY;
}

int linkFile(const char* name, const char* link)
{
    return CreateHardLinkA(link, name, NULL) != 0;
}

long currentProcessId(void)
{
    return (long)GetCurrentProcessId();
}

int processIsRunning(long id)
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, (DWORD)id);
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    int running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

void forEachNameStartingWith(const char* prefix, void (*visit)(const char* rest, void* context), void* context)
{
    char pattern[MAX_PATH];
    if (!copyWholeText(pattern, sizeof pattern, prefix) || appendText(pattern, sizeof pattern, "*") != strlen(prefix) + 1)
        return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return;
    // The names found have no folder: compare with what follows the prefix's last separator (a
    // second byte 0x5C of a double-byte character is none).
    const char* base = prefix;
    for (const unsigned char* at = (const unsigned char*)prefix; *at; at++) {
        if (isLeadByte(*at) && at[1]) at++;
        else if (*at == '\\' || *at == '/') base = (const char*)at + 1;
    }
    size_t length = strlen(base);
    do {
        // The pattern also matches short 8.3 names; only the long name counts.
        if (strncmp(found.cFileName, base, length) == 0) visit(found.cFileName + length, context);
    } while (FindNextFileA(search, &found));
    FindClose(search);
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

void startFileWriteback(FILE*)
{
    // Windows has no call that starts writing a file back without waiting for it.
}

int removeFile(const char* name)
{
    return DeleteFileA(name) != 0;
}

static HANDLE lockHandle = INVALID_HANDLE_VALUE;

// Opened without sharing, so that no other process opens it while this one holds it, and deleted by
// the system when the handle closes, at the end of the process however it ends.
static HANDLE openLockFile(const char* name)
{
    return CreateFileA(name, GENERIC_READ | GENERIC_WRITE | DELETE, 0, NULL, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, NULL);
}

int takeFolderLock(const char* name)
{
    if (lockHandle != INVALID_HANDLE_VALUE) return -1;
    for (int attempt = 0; attempt < 2; attempt++) {
        lockHandle = openLockFile(name);
        if (lockHandle != INVALID_HANDLE_VALUE) return 1;
        DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION) return 0;
        if (error != ERROR_ACCESS_DENIED) return -1;
        // Denied: a file held by a process that is closing it (its deletion pending), or a folder
        // that can't be written, a read-only file or a folder in the way.
        DWORD attributes = GetFileAttributesA(name);
        if (attributes != INVALID_FILE_ATTRIBUTES)
            return attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY) ? -1 : 0;
        if (GetLastError() == ERROR_ACCESS_DENIED) return 0;
    }
    return -1;
}

void releaseFolderLock(void)
{
    if (lockHandle == INVALID_HANDLE_VALUE) return;
    CloseHandle(lockHandle);
    lockHandle = INVALID_HANDLE_VALUE;
}

void sleepMilliseconds(int milliseconds)
{
    Sleep((DWORD)milliseconds);
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

int fileStamp(FILE* file, long long* size, long long* modified)
{
    BY_HANDLE_FILE_INFORMATION info;
    *size = 0;
    *modified = 0;
    HANDLE handle = (HANDLE)_get_osfhandle(_fileno(file));
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info)) return 0;
    *size = (long long)info.nFileSizeHigh << 32 | info.nFileSizeLow;
    *modified = (long long)info.ftLastWriteTime.dwHighDateTime << 32 | info.ftLastWriteTime.dwLowDateTime;
    return 1;
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

int errorOutputIsTerminal(void)
{
    DWORD mode;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

int writeErrorOutput(const char* bytes, size_t length)
{
    HANDLE output = GetStdHandle(STD_ERROR_HANDLE);
    while (length > 0) {
        DWORD piece = length > 0x10000000 ? 0x10000000 : (DWORD)length;
        DWORD written = 0;
        if (!WriteFile(output, bytes, piece, &written, NULL) || written == 0) return 0;
        bytes += written;
        length -= written;
    }
    return 1;
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
    if (appendLinkPath(out, size, folder) && appendLinkPath(out, size, "\\")) appendLinkPath(out, size, name);
}
