// The user-facing calls on POSIX systems: messages go to stderr, the shell is xdg-open.
#include "platform/platform.h"
#include "platform/posix/Encoding.h"
#include "text/Messages.h"

#include <stdio.h>
#include <stdlib.h>
#include <string>
#include <string.h>
#include <unistd.h>

void useConsoleMessages(void)
{
}

void showErrorMessage(const char* text)
{
    std::string line = std::string(MESSAGE_CAPTION) + ": " + text;
    line = convertText(line.c_str(), "CP932", terminalEncoding());
    if (line.back() != '\n') line += '\n';
    fflush(stdout);
    fwrite(line.data(), 1, line.size(), stderr);
    fflush(stderr);
}

void showWarningMessage(const char* text)
{
    showErrorMessage(text);
}

void setMessageOwner(void*)
{
}

void exitProcess(int code)
{
    exit(code);
}

int shellOpen(const char* path)
{
    std::string native = nativePath(path);
    pid_t child = fork();
    if (child == 0) {
        execlp("xdg-open", "xdg-open", native.c_str(), (char*)NULL);
        _exit(127);
    }
    return child > 0;
}
