// The user-facing calls on POSIX systems: messages go to stderr, the shell is xdg-open.
#include "platform/platform.h"
#include "platform/posix/Encoding.h"

#include <stdlib.h>
#include <string.h>
#include <unistd.h>

void useConsoleMessages(void)
{
}

void showErrorMessage(const char* text)
{
    char line[1024], converted[4096];
    snprintf(line, sizeof line, "エラー: %s", text);
    size_t length = convertFromCp932(line, terminalEncoding(), converted, sizeof converted);
    if (length == 0 || converted[length - 1] != '\n') {
        if (length + 1 < sizeof converted) converted[length++] = '\n';
    }
    fflush(stdout);
    fwrite(converted, 1, length, stderr);
    fflush(stderr);
}

void exitProcess(int code)
{
    exit(code);
}

int errorOutputIsTerminal(void)
{
    return isatty(STDERR_FILENO);
}

void shellOpen(const char* path)
{
    char native[4096];
    nativePath(path, native, sizeof native);
    pid_t child = fork();
    if (child == 0) {
        execlp("xdg-open", "xdg-open", native, (char*)NULL);
        _exit(127);
    }
}
