#include "ui/ShellOpen.h"

#include "platform/platform.h"
#include "text/Text.h"

void openForUser(const char* path, const char* fullPath, const char* message)
{
    if (shellOpen(path)) return;
    char text[PATH_SIZE + 256];   // the message and a path of at most 261 bytes
    copyText(text, sizeof text, message);
    appendText(text, sizeof text, fullPath);
    showWarningMessage(text);
}
