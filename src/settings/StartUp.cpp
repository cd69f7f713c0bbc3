#include "settings/StartUp.h"

#include "platform/platform.h"
#include "settings/AppPaths.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"

#include <string.h>

static const char README_NAME[] = "Readme.txt";
static const char PROGRAM_FOLDER_NAME[] = "vornix";
static const char SETTINGS_FILE_NAME[] = "vornix.ini";

// The user guide in the current directory as it is at start-up. A directory with no room for
// "\Readme.txt" (or one that can't be found) leaves the path empty: the help command then opens
// nothing rather than a cut path.
static void findReadme(void)
{
    char directory[PATH_SIZE];
    if (!getCurrentDirectory(directory, sizeof directory)) {
        appPaths.readmePath[0] = '\0';
        return;
    }
    joinPath(appPaths.readmePath, sizeof appPaths.readmePath, directory, README_NAME);
}

// appFolder, created when missing, and settingsPath. An application-data folder that wasn't found,
// or has no room for "\vornix\vornix.ini", counts as empty: the program folder is then "\vornix" in
// the root of the current drive, never a cut path. A failed creation is not reported; the settings
// file then can't be read or written, and writing says so.
static void makeProgramFolder(const char* appData)
{
    char settingsPath[PATH_SIZE];
    if (!joinPath(appPaths.appFolder, sizeof appPaths.appFolder, appData, PROGRAM_FOLDER_NAME) ||
        !joinPath(settingsPath, sizeof settingsPath, appPaths.appFolder, SETTINGS_FILE_NAME))
        joinPath(appPaths.appFolder, sizeof appPaths.appFolder, "", PROGRAM_FOLDER_NAME);
    if (!directoryExists(appPaths.appFolder)) createDirectory(appPaths.appFolder);
    joinPath(appPaths.settingsPath, sizeof appPaths.settingsPath, appPaths.appFolder, SETTINGS_FILE_NAME);
}

void startUp(void)
{
    resetSettings();
    memset(&appPaths, 0, sizeof appPaths);
    findReadme();

    launchOptions.runAtStart = 0;
    launchOptions.quitAfterRun = 0;
    settings.saveOnExit = 1;
    settings.reportOnDesktop = 0;
    parseCommandLine(getCommandLine());

    // A folder that can't be found stays empty, without a message.
    char appData[PATH_SIZE];
    getSpecialFolder(FOLDER_APPDATA, appData, sizeof appData);
    getSpecialFolder(FOLDER_DESKTOP, appPaths.desktopFolder, sizeof appPaths.desktopFolder);
    makeProgramFolder(appData);

    readSettingsFile();
    takeBackup();
}

static int isSwitch(const char* piece, size_t length, const char* name)
{
    return length == strlen(name) && memcmp(piece, name, length) == 0;
}

void parseCommandLine(const char* text)
{
    launchOptions.runAtStart = 0;
    launchOptions.quitAfterRun = 0;
    for (const char* piece = text;;) {
        const char* blank = strchr(piece, ' ');
        size_t length = blank ? (size_t)(blank - piece) : strlen(piece);
        if (isSwitch(piece, length, "-e")) launchOptions.runAtStart = 1;
        if (isSwitch(piece, length, "-q")) launchOptions.quitAfterRun = 1;
        if (!blank) return;
        piece = blank + 1;
    }
}
