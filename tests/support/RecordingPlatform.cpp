#include "RecordingPlatform.h"

#include "platform/platform.h"

#include <stdio.h>
#include <stdlib.h>

std::vector<std::string> shownMessages;
std::vector<std::string> openedPaths;

void clearRecordings(void)
{
    shownMessages.clear();
    openedPaths.clear();
}

std::string hexOf(const std::string& text)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

void useConsoleMessages(void)
{
}

void showErrorMessage(const char* text)
{
    shownMessages.push_back(text);
    fprintf(stderr, "message: %s\n", hexOf(text).c_str());
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

int shellOpen(const char* path)
{
    openedPaths.push_back(path);
    return 1;
}
