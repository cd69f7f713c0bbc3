// The user-facing calls on Windows.
#include "platform/platform.h"
#include "text/Messages.h"

#include <windows.h>
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int consoleMessages;
static HWND messageOwner;

void useConsoleMessages(void)
{
    consoleMessages = 1;
}

void setMessageOwner(void* window)
{
    messageOwner = (HWND)window;
}

static void showMessage(const char* text, UINT icon)
{
    if (consoleMessages) {
        fflush(stdout);
        fprintf(stderr, "%s: %s%s", MESSAGE_CAPTION, text, text[0] && text[strlen(text) - 1] == '\n' ? "" : "\n");
        fflush(stderr);
        return;
    }
    // An owned box is modal for its owner: the dialog takes no click or key until it is closed.
    MessageBoxA(messageOwner, text, MESSAGE_CAPTION, MB_OK | icon);
}

void showErrorMessage(const char* text)
{
    showMessage(text, MB_ICONERROR);
}

void showWarningMessage(const char* text)
{
    showMessage(text, MB_ICONWARNING);
}

void exitProcess(int code)
{
    exit(code);
}

int shellOpen(const char* path)
{
    // Values above 32 mean success.
    return (INT_PTR)ShellExecuteA(NULL, NULL, path, NULL, NULL, SW_SHOW) > 32;
}
