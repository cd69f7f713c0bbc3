#include "FuzzPlatform.h"

#include "platform/platform.h"

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

jmp_buf fuzzExit;
int fuzzExitArmed = 0;
int fuzzExitCode = 0;
int fuzzMessages = 0;

void showErrorMessage(const char*)
{
    fuzzMessages++;
}

void showWarningMessage(const char*)
{
    fuzzMessages++;
}

void useConsoleMessages(void)
{
}

void exitProcess(int code)
{
    if (!fuzzExitArmed) abort();
    fuzzExitArmed = 0;
    fuzzExitCode = code;
    longjmp(fuzzExit, 1);
}

int shellOpen(const char*)
{
    return 1;
}

void enterFuzzFolder(void)
{
    const char* temp = getenv("TMPDIR");
    char folder[4096];
    snprintf(folder, sizeof folder, "%s/vornix-fuzz-XXXXXX", temp && temp[0] ? temp : "/tmp");
    if (!mkdtemp(folder) || chdir(folder) != 0) abort();
}

void writeFuzzFile(const char* name, const unsigned char* data, unsigned long size)
{
    FILE* file = fopen(name, "wb");
    if (!file) abort();
    if (size && fwrite(data, 1, size, file) != size) abort();
    if (fclose(file) != 0) abort();
}
