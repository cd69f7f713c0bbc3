// Files, folders and the process's environment on POSIX systems.
#include "platform/platform.h"
#include "platform/posix/Encoding.h"
#include "text/Text.h"

#include <dirent.h>
#include <errno.h>
#include <signal.h>
#include <string>
#include <stdlib.h>
#include <string.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

FILE* openFile(const char* name, const char* mode)
{
    return fopen(nativePath(name).c_str(), mode);
}

FILE* createNewFile(const char* name)
{
    int fd = open(nativePath(name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0666);
    if (fd < 0) return NULL;
    FILE* file = fdopen(fd, "wb");
    if (!file) close(fd);
    return file;
}

FILE* openScratchFile(void)
{
    return tmpfile();   // unlinked as it is made
}

int outputNameState(const char* name)
{
    std::string path = nativePath(name);
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) return errno == ENOENT ? OUTPUT_NAME_FREE : OUTPUT_NAME_IN_THE_WAY;
    if (!S_ISREG(info.st_mode)) return OUTPUT_NAME_IN_THE_WAY;
    // O_NONBLOCK and O_NOFOLLOW: whatever took the name since lstat can't hold the open or redirect it.
    int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return errno == EACCES || errno == EPERM || errno == EROFS ? OUTPUT_NAME_LOCKED : OUTPUT_NAME_IN_THE_WAY;
    int regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    close(fd);
    return regular ? OUTPUT_NAME_FILE : OUTPUT_NAME_IN_THE_WAY;
}

int linkFile(const char* name, const char* link)
{
    return ::link(nativePath(name).c_str(), nativePath(link).c_str()) == 0;
}

long currentProcessId(void)
{
    return (long)getpid();
}

int processIsRunning(long id)
{
    return id > 0 && (kill((pid_t)id, 0) == 0 || errno == EPERM);
}

void forEachNameStartingWith(const char* prefix, void (*visit)(const char* rest, void* context), void* context)
{
    std::string native = nativePath(prefix);
    size_t slash = native.rfind('/');
    std::string folderPath = slash == std::string::npos ? "." : slash == 0 ? "/" : native.substr(0, slash);
    if (slash != std::string::npos) native.erase(0, slash + 1);
    DIR* folder = opendir(folderPath.c_str());
    if (!folder) return;
    while (struct dirent* entry = readdir(folder))
        if (strncmp(entry->d_name, native.c_str(), native.size()) == 0) visit(entry->d_name + native.size(), context);
    closedir(folder);
}

int replaceFile(const char* from, const char* to)
{
    std::string source = nativePath(from), target = nativePath(to);
    int file = open(source.c_str(), O_RDONLY);
    if (file < 0) return 0;
    int synced = fsync(file) == 0;
    close(file);
    return synced && rename(source.c_str(), target.c_str()) == 0;
}

int syncFile(FILE* file)
{
    return fflush(file) == 0 && fsync(fileno(file)) == 0;
}

void startFileWriteback(FILE* file)
{
#ifdef __linux__
    sync_file_range(fileno(file), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    (void)file;
#endif
}

int removeFile(const char* name)
{
    // unlink, not remove: like DeleteFileA, this never deletes a directory.
    return unlink(nativePath(name).c_str()) == 0;
}

static int lockDescriptor = -1;
static std::string lockPath;

int takeFolderLock(const char* name)
{
    if (lockDescriptor >= 0) return -1;
    std::string path = nativePath(name);
    int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    struct stat opened, named;
    if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        close(fd);
        return -1;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int held = errno == EWOULDBLOCK;
        close(fd);
        return held ? 0 : -1;
    }
    // The holder before removes the name before it lets go: a lock on a file that no longer has the
    // name locks nothing, and the next try opens the file that has it now.
    if (stat(path.c_str(), &named) != 0 || named.st_dev != opened.st_dev || named.st_ino != opened.st_ino) {
        close(fd);
        return 0;
    }
    lockDescriptor = fd;
    lockPath = path;
    return 1;
}

void releaseFolderLock(void)
{
    if (lockDescriptor < 0) return;
    unlink(lockPath.c_str());
    close(lockDescriptor);
    lockDescriptor = -1;
}

void sleepMilliseconds(int milliseconds)
{
    struct timespec pause = {milliseconds / 1000, (long)(milliseconds % 1000) * 1000000L};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
}

int directoryExists(const char* path)
{
    struct stat info;
    return stat(nativePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int createDirectory(const char* path)
{
    return mkdir(nativePath(path).c_str(), 0777) == 0;
}

// The current directory as the system gives it, whatever its length; empty on failure.
static std::string nativeCurrentDirectory(void)
{
    char* cwd = getcwd(NULL, 0);
    if (!cwd) return "";
    std::string directory = cwd;
    free(cwd);
    return directory;
}

int getCurrentDirectory(char* buffer, size_t size)
{
    if (size) buffer[0] = '\0';
    std::string native = nativeCurrentDirectory();
    return !native.empty() && cp932Path(native.c_str(), buffer, size);
}

int setCurrentDirectory(const char* path)
{
    return chdir(nativePath(path).c_str()) == 0;
}

// $name, or $HOME followed by fallback, as code page 932 text.
static int folderFromEnvironment(const char* name, const char* fallback, char* buffer, size_t size)
{
    std::string native;
    const char* value = getenv(name);
    if (value && value[0]) {
        native = value;
    } else {
        const char* home = getenv("HOME");
        if (!home || !home[0]) return 0;
        native = std::string(home) + "/" + fallback;
    }
    return cp932Path(native.c_str(), buffer, size);
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
        if (written < 0 || (size_t)written >= sizeof commandLine - used) {
            commandLine[used] = '\0';   // no argument is cut: one that doesn't fit is left out with the rest
            break;
        }
        used += (size_t)written;
    }
}

const char* getCommandLine(void)
{
    return commandLine;
}

size_t nativePathLimit(void)
{
    return NATIVE_PATH_SIZE - 1;
}

FILE* openNativeRegularFile(const char* path)
{
    // O_NONBLOCK, so that a FIFO without a writer doesn't hold the open; it is cleared again for
    // the reads of a regular file.
    int fd = open(path, O_RDONLY | O_NONBLOCK);
    if (fd < 0) return NULL;
    struct stat info;
    int flags = fcntl(fd, F_GETFL);
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || flags < 0 ||
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        close(fd);
        return NULL;
    }
    FILE* file = fdopen(fd, "rb");
    if (!file) close(fd);
    return file;
}

FILE* openRegularFile(const char* name)
{
    return openNativeRegularFile(nativePath(name).c_str());
}

int fileStamp(FILE* file, long long* size, long long* modified)
{
    struct stat info;
    *size = 0;
    *modified = 0;
    if (fstat(fileno(file), &info) != 0) return 0;
    *size = (long long)info.st_size;
    *modified = (long long)info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec;
    return 1;
}

int setNativeCurrentDirectory(const char* path)
{
    return chdir(path) == 0;
}

int printPathInCurrentDirectory(FILE* stream, const char* name)
{
    std::string directory = nativeCurrentDirectory();
    if (directory.empty()) return 0;
    std::string shown = convertText(name, "CP932", terminalEncoding());
    if (directory.back() != '/') directory += '/';
    return fprintf(stream, "%s%s\n", directory.c_str(), shown.c_str()) > 0;
}

int printConsoleText(FILE* stream, const char* text)
{
    std::string shown = convertText(text, "CP932", terminalEncoding());
    return fwrite(shown.data(), 1, shown.size(), stream) == shown.size();
}

int errorOutputIsTerminal(void)
{
    return isatty(STDERR_FILENO);
}

int writeErrorOutput(const char* bytes, size_t length)
{
    while (length > 0) {
        ssize_t written = write(STDERR_FILENO, bytes, length);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return 0;
        bytes += written;
        length -= (size_t)written;
    }
    return 1;
}

int argumentToCp932(const char* text, char* out, size_t size)
{
    return convertToCp932(text, terminalEncoding(), out, size);
}

int argumentFitsCp932(const char* text)
{
    return convertsWhole(text, terminalEncoding(), "CP932");
}

static int isUnreserved(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
}

void formatFileLink(char* out, size_t size, const char* folder, const char* name)
{
    (void)folder;
    std::string path = nativeCurrentDirectory();
    while (!path.empty() && path.back() == '/') path.pop_back();
    std::string joined = path + "/" + nativePath(name);

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
    copyText(out, size, link.c_str());
}
