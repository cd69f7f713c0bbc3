// Fuzz target: any bytes as "vornix.ini". Reading must not fail in any way; writing the settings read
// and reading that file again must give a file that reads back to itself.
#include "FuzzPlatform.h"

#include "settings/AppPaths.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"
#include "text/Text.h"

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (strcmp("：", "\x81\x46") != 0) abort();
    enterFuzzFolder();
    copyText(appPaths.settingsPath, sizeof appPaths.settingsPath, "vornix.ini");
    return 0;
}

// The whole settings file as it now stands.
static size_t readBack(char* buffer, size_t size)
{
    FILE* file = fopen("vornix.ini", "rb");
    if (!file) abort();
    size_t length = fread(buffer, 1, size, file);
    fclose(file);
    return length;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzFile("vornix.ini", data, size);
    resetSettings();
    if (!readSettingsFile()) abort();   // (exitProcess aborts: reading and writing never end the process)
    if (!writeSettingsFile()) abort();

    static char first[4096], second[4096];
    size_t firstLength = readBack(first, sizeof first);
    resetSettings();
    readSettingsFile();
    writeSettingsFile();
    size_t secondLength = readBack(second, sizeof second);
    if (firstLength != secondLength || memcmp(first, second, firstLength) != 0) abort();
    return 0;
}
