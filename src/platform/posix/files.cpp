// Files, folders and the process's environment on POSIX systems.
#include "platform/platform.h"
#include "platform/posix/Encoding.h"

#include <string>
#include <stdlib.h>
#include <string.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

enum { NATIVE_PATH_SIZE = 4096 };

FILE* openFile(const char* name, const char* mode)
{
    char path[NATIVE_PATH_SIZE];
    nativePath(name, path, sizeof path);
    return fopen(path, mode);
}

int replaceFile(const char* from, const char* to)
{
    char source[NATIVE_PATH_SIZE], target[NATIVE_PATH_SIZE];
    nativePath(from, source, sizeof source);
    nativePath(to, target, sizeof target);
    int file = open(source, O_RDONLY);
    if (file < 0) return 0;
    int synced = fsync(file) == 0;
    close(file);
    return synced && rename(source, target) == 0;
}

int syncFile(FILE* file)
{
    return fflush(file) == 0 && fsync(fileno(file)) == 0;
}

int removeFile(const char* name)
{
    char path[NATIVE_PATH_SIZE];
    nativePath(name, path, sizeof path);
    // unlink, not remove: like DeleteFileA, this never deletes a directory.
    return unlink(path) == 0;
}

int directoryExists(const char* path)
{
    char native[NATIVE_PATH_SIZE];
    struct stat info;
    nativePath(path, native, sizeof native);
    return stat(native, &info) == 0 && S_ISDIR(info.st_mode);
}

int createDirectory(const char* path)
{
    char native[NATIVE_PATH_SIZE];
    nativePath(path, native, sizeof native);
    return mkdir(native, 0777) == 0;
}

int getCurrentDirectory(char* buffer, size_t size)
{
    char native[NATIVE_PATH_SIZE];
    if (size) buffer[0] = '\0';
    if (!getcwd(native, sizeof native)) return 0;
    cp932Path(native, buffer, size);
    return 1;
}

int setCurrentDirectory(const char* path)
{
    char native[NATIVE_PATH_SIZE];
    nativePath(path, native, sizeof native);
    return chdir(native) == 0;
}

// $name, or $HOME followed by fallback, as code page 932 text.
static int folderFromEnvironment(const char* name, const char* fallback, char* buffer, size_t size)
{
    char native[NATIVE_PATH_SIZE];
    const char* value = getenv(name);
    if (value && value[0]) {
        snprintf(native, sizeof native, "%s", value);
    } else {
        const char* home = getenv("HOME");
        if (!home || !home[0]) return 0;
        snprintf(native, sizeof native, "%s/%s", home, fallback);
    }
    cp932Path(native, buffer, size);
    return 1;
}

int getSpecialFolder(SpecialFolder folder, char* buffer, size_t size)
{
    if (size) buffer[0] = '\0';
    if (folder == FOLDER_APPDATA) return folderFromEnvironment("XDG_CONFIG_HOME", ".config", buffer, size);
    if (folder == FOLDER_DESKTOP) return folderFromEnvironment("XDG_DESKTOP_DIR", "Desktop", buffer, size);
    return 0;
}

static char commandLine[8192];

void setCommandLine(int argc, char** argv)
{
    size_t used = 0;
    commandLine[0] = '\0';
    for (int i = 0; i < argc; i++) {
        int written = snprintf(commandLine + used, sizeof commandLine - used, "%s%s", i ? " " : "", argv[i]);
        if (written < 0 || (size_t)written >= sizeof commandLine - used) break;
        used += (size_t)written;
    }
}

const char* getCommandLine(void)
{
    return commandLine;
}

size_t argumentToCp932(const char* text, char* out, size_t size)
{
    return convertToCp932(text, terminalEncoding(), out, size);
}

size_t displayPath(const char* path, char* out, size_t size)
{
    return nativePath(path, out, size);
}

static int isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
}

void formatFileLink(char* out, size_t size, const char* folder, const char* name)
{
    std::string path(NATIVE_PATH_SIZE, '\0');
    path.resize(nativePath(folder, &path[0], path.size()));
    if (path.empty() || path[0] != '/') {
        char cwd[NATIVE_PATH_SIZE];
        if (getcwd(cwd, sizeof cwd)) path = std::string(cwd) + "/" + path;
    }
    std::string file(NATIVE_PATH_SIZE, '\0');
    file.resize(nativePath(name, &file[0], file.size()));
    while (!path.empty() && path.back() == '/') path.pop_back();
    std::string joined = path + "/" + file;

    static const char hex[] = "0123456789ABCDEF";
    std::string link = "file://";
    for (unsigned char c : joined) {
        if (isUnreserved(c)) {
            link += (char)c;
        } else {
            link += '%';
            link += hex[c >> 4];
            link += hex[c & 15];
        }
    }
    if (size == 0) return;
    size_t length = link.size() < size - 1 ? link.size() : size - 1;
    memcpy(out, link.data(), length);
    out[length] = '\0';
}
