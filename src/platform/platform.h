#ifndef VORNIX_PLATFORM_H
#define VORNIX_PLATFORM_H
// The thin operating-system layer the portable code needs. Every text is code page 932 bytes; paths
// are in Windows form ("C:\dir\file"). win32/ and posix/ implement it; tests link a double for the
// user-facing calls (message box, process exit, shell open).

#include <stddef.h>
#include <stdio.h>

// User-facing calls (user.cpp)

// Shows text in a message box captioned "エラー" with the error icon and one OK button, owned by the
// window of setMessageOwner (disabled while the box is up), and returns when the user has closed it.
// POSIX: writes "エラー: " and the text to stderr in the terminal's encoding.
void showErrorMessage(const char* text);

// The same with the warning icon: for an outcome that falls short while the rest of the run stands.
void showWarningMessage(const char* text);

// Windows: the message boxes shown from now on are owned by this window (an HWND); NULL, the start:
// they have no owner. POSIX and console messages ignore it.
void setMessageOwner(void* window);

// Console programs call this first: showErrorMessage then writes to stderr (as "エラー: " and the
// text, in code page 932 on Windows) instead of opening a box.
void useConsoleMessages(void);

// Ends the process with the exit code; open stdio streams are flushed and closed.
[[noreturn]] void exitProcess(int code);

// Opens path with the shell's default program for its kind (no verb, no parameters, shown normally).
// Returns 1 when the shell took it; 0 when it could not (Windows: no program for the kind, a missing
// file; POSIX: xdg-open could not be started).
int shellOpen(const char* path);

// Files and folders

// Opens a file by its code page 932 name with a stdio mode ("rb", "wb"). Windows: the name is used as
// it is. POSIX: it is converted to UTF-8 and back-slashes become slashes. Returns NULL on failure.
FILE* openFile(const char* name, const char* mode);

// Creates the file for writing in binary only when nothing at all has the name yet: no file, folder or
// symlink (which is never followed). POSIX: O_CREAT | O_EXCL; Windows: CREATE_NEW. Returns NULL when
// the name is taken or the file can't be created.
FILE* createNewFile(const char* name);

// A file of the process's own, for writing and reading back in binary, in the system's folder for
// temporary files; it disappears when it is closed or the process ends, however it ends. NULL when
// none can be made.
FILE* openScratchFile(void);

enum OutputNameState {
    OUTPUT_NAME_FREE,        // nothing has the name
    OUTPUT_NAME_FILE,        // a regular file that opens for writing: it may be replaced
    OUTPUT_NAME_LOCKED,      // a regular file that can't be written (read-only, open in another program)
    OUTPUT_NAME_IN_THE_WAY   // a folder, a symlink, a FIFO, a device: never replaced
};

// What has the name, as an OutputNameState. Only a regular file is ever opened to find out (for writing,
// without changing a byte), so a FIFO or a device can't hold the call.
int outputNameState(const char* name);

// Gives the existing file `name` the second name `link` (a hard link). Returns 1 on success, 0 on
// failure (nothing at `name`, `link` taken, a file system without links).
int linkFile(const char* name, const char* link);

// The id of this process.
long currentProcessId(void);

// 1 when a process of the id is running (or may be: one that can't be asked counts as running).
int processIsRunning(long id);

// Calls visit with the rest of each name in prefix's folder (the current directory when it names none)
// that starts with prefix's last part (code page 932; on POSIX the rest is the native bytes after the
// prefix, which the callers use for ASCII only).
void forEachNameStartingWith(const char* prefix, void (*visit)(const char* rest, void* context), void* context);

// Replaces the file `to` with `from` in one step (the old `to`, if any, stays intact on failure).
// The content of `from` is forced to the disk first, so a crash right after the replacement can't
// leave an empty or partial `to`. Returns 1 on success, 0 on failure.
int replaceFile(const char* from, const char* to);

// Flushes the stream and forces its content to the disk. Returns 1 on success, 0 on failure.
int syncFile(FILE* file);

// Starts writing what the file holds so far to the disk, without waiting for it: a large table's
// syncFile then has little left to wait for. A hint only (nothing happens where the system has no
// such call; a failure shows in syncFile).
void startFileWriteback(FILE* file);

// Deletes a file. Returns 1 on success, 0 on failure.
int removeFile(const char* name);

// Takes the lock file `name` for this process: created when missing, held open and locked so that
// no other process takes it until releaseFolderLock or the end of this process, however it ends (the
// system lets go of a killed process's lock). Returns 1 when taken; 0 when another process holds it
// (try again later); -1 when it can't be taken at all (the folder can't be written, something else
// than a regular file has the name, a file system without locks). One lock per process.
int takeFolderLock(const char* name);

// Removes the lock file taken by takeFolderLock, then lets go of the lock; nothing when none is held.
void releaseFolderLock(void);

// Waits about the given milliseconds.
void sleepMilliseconds(int milliseconds);

// 1 if path names an existing directory, 0 otherwise.
int directoryExists(const char* path);

// Creates one directory (default permissions). Returns 1 on success, 0 on failure.
int createDirectory(const char* path);

// Copies the process's current directory, in Windows form, into buffer. Returns 1 on success; 0 on
// failure or when it doesn't fit whole (buffer is then empty), so a directory is never cut.
int getCurrentDirectory(char* buffer, size_t size);

// Makes path the process's current directory. Returns 1 on success, 0 on failure.
int setCurrentDirectory(const char* path);

enum SpecialFolder {
    FOLDER_APPDATA = 26,  // the user's application-data folder
    FOLDER_DESKTOP = 16   // the user's desktop folder
};

// Copies the path of a special folder into buffer. Returns 1 on success; 0 on failure or when it
// doesn't fit whole, with buffer left empty. POSIX: $XDG_CONFIG_HOME or ~/.config, and
// $XDG_DESKTOP_DIR or ~/Desktop.
int getSpecialFolder(SpecialFolder folder, char* buffer, size_t size);

// The process's whole command line, the program's own path included (Windows: GetCommandLineA;
// POSIX: the arguments given to setCommandLine joined by blanks, as many whole ones as fit 8191
// bytes). Never NULL.
const char* getCommandLine(void);

// POSIX programs hand their arguments over before start-up; Windows ignores this.
void setCommandLine(int argc, char** argv);

// Memory (platform/GrowingBlock.h builds on these)

// Reserves address space of `bytes` (a multiple of 64 KB) without memory behind it. Returns NULL
// when the system refuses (an address-space limit).
void* reserveMemory(size_t bytes);

// Makes [start, start + bytes) of a reservation usable, reading zeros: start and bytes are multiples
// of 64 KB from the reservation's start. The range's pages are made ready at once where the system
// can (one call instead of a fault a page, which on some virtual machines costs microseconds each).
// Returns 0 when out of memory: nothing of the range is then usable.
int commitMemory(void* start, size_t bytes);

// Gives back a whole reservation that reserveMemory returned.
void releaseMemory(void* start, size_t bytes);

// Native paths: the bytes of a path as the system gives and takes them (POSIX: as on the command
// line, no conversion, any length the system allows; Windows: code page 932, as every other text)

enum { NATIVE_PATH_SIZE = 4096 };   // a buffer that holds any native path the program takes

// The longest native path the program takes, in bytes: 4095 on POSIX, 259 on Windows.
size_t nativePathLimit(void);

// Opens the log for reading ("rb") by its code page 932 name, like openFile, but only when it is a
// regular file: a folder, a FIFO or a device gives NULL at once, without waiting for a writer.
FILE* openRegularFile(const char* name);

// The same for a native path, used as it is.
FILE* openNativeRegularFile(const char* path);

// The size in bytes and the last modification time (in the system's finest unit) of the open file.
// Returns 1 when the system told both; 0 otherwise (both are then 0).
int fileStamp(FILE* file, long long* size, long long* modified);

// Makes the native path the process's current directory. Returns 1 on success, 0 on failure.
int setNativeCurrentDirectory(const char* path);

// Writes the path of the file `name` (code page 932) in the current directory to stream, as the
// terminal should show it, and a line feed. POSIX: the native current directory as it is, "/" and
// name in the terminal's encoding; Windows: the directory, "\" and name. Returns 1 when written.
int printPathInCurrentDirectory(FILE* stream, const char* name);

// Command-line arguments of the console program

// Writes the code page 932 text to stream as the terminal should show it: POSIX in the terminal's
// encoding, Windows as it is. Returns 1 when written.
int printConsoleText(FILE* stream, const char* text);

// 1 when the process's error output is a terminal (Windows: a console, for which GetConsoleMode
// succeeds; the NUL device is none), where a progress line can be redrawn in place; 0 for a file, a
// pipe or a device.
int errorOutputIsTerminal(void);

// Writes length bytes to the error output as they are, in one call of the system where it takes
// them at once (stderr is unbuffered: a line handed over byte by byte costs a call a byte). Returns 1
// when every byte was written.
int writeErrorOutput(const char* bytes, size_t length);

// Converts an argument from the terminal's encoding into code page 932 text in out. POSIX: the
// encoding the locale names; Windows: the argument is code page 932 already and is copied as it is.
// Returns 1 when the whole text fits in size - 1 bytes; 0 otherwise, with out empty (never cut).
int argumentToCp932(const char* text, char* out, size_t size);

// 1 when every character of the argument has a code page 932 form, so that argumentToCp932 keeps
// its meaning. POSIX: the argument must be valid text of the terminal's encoding, each character
// one code page 932 holds; Windows: always 1 (the system has already turned the argument into code
// page 932, and the ID rule judges the bytes it made).
int argumentFitsCp932(const char* text);

// Writes into out the link target ("file:///...") of the file `name` in the output folder, cut to
// size - 1 bytes. Windows: "file:///" folder "\" name, with "#", "%" and the other bytes a URL can't
// hold percent-encoded (platform/FileLink.h) and double-byte characters as they are. POSIX: the
// outputs are written by relative name into the current directory, so the link is built from the
// native current directory (folder is not used) and name in UTF-8, percent-encoded outside the
// unreserved URL characters and "/".
void formatFileLink(char* out, size_t size, const char* folder, const char* name);

#endif
