// The user-facing calls of the console program vornix-cli.exe: every message is a line on stderr and
// nothing opens a window, so the program does not load the window and shell libraries at start.
#include "platform/platform.h"
#include "text/Messages.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

void useConsoleMessages(void)
{
}

void setMessageOwner(void*)
{
}

void showErrorMessage(const char* text)
{
    fflush(stdout);
    fprintf(stderr, "%s: %s%s", MESSAGE_CAPTION, text, text[0] && text[strlen(text) - 1] == '\n' ? "" : "\n");
    fflush(stderr);
}

void showWarningMessage(const char* text)
{
    showErrorMessage(text);
}

void exitProcess(int code)
{
    exit(code);
}

// A console program has nothing to open a file with; it tells the user the path instead.
int shellOpen(const char*)
{
    return 0;
}
