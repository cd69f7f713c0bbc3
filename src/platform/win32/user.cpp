// The user-facing calls on Windows.
#include "platform/platform.h"
#include "text/Messages.h"

#include <windows.h>
#include <io.h>
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int consoleMessages;

void useConsoleMessages(void)
{
    consoleMessages = 1;
}

void showErrorMessage(const char* text)
{
    if (consoleMessages) {
        fflush(stdout);
        fprintf(stderr, "%s: %s%s", MESSAGE_CAPTION, text, text[0] && text[strlen(text) - 1] == '\n' ? "" : "\n");
        fflush(stderr);
        return;
    }
    MessageBoxA(NULL, text, MESSAGE_CAPTION, MB_OK);
}

void exitProcess(int code)
{
    exit(code);
}

int errorOutputIsTerminal(void)
{
    return _isatty(_fileno(stderr));
}

void shellOpen(const char* path)
{
    ShellExecuteA(NULL, NULL, path, NULL, NULL, SW_SHOW);
}
