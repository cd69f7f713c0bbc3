#include "settings/StartUp.h"

#include "platform/platform.h"
#include "settings/AppPaths.h"
#include "settings/Settings.h"
#include "support/FileBytes.h"
#include "support/RecordingPlatform.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

TEST(StartUp, CommandLinePiecesAreComparedWhole)
{
    struct Case { const char* line; int runAtStart; int quitAfterRun; const char* rule; };
    const Case cases[] = {
        { "vornix.exe", 0, 0, "no switches" },
        { "vornix.exe -e", 1, 0, "-e" },
        { "vornix.exe -q", 0, 1, "-q" },
        { "vornix.exe -q -e", 1, 1, "both, any order" },
        { "vornix.exe  -e", 1, 0, "an empty piece between adjacent blanks is harmless" },
        { "-e", 1, 0, "the first piece counts too" },
        { "vornix.exe -e ", 1, 0, "a trailing blank gives an empty last piece" },
        { "vornix.exe -E", 0, 0, "upper case is ignored" },
        { "vornix.exe /e", 0, 0, "a slash is no switch" },
        { "vornix.exe -eq", 0, 0, "two letters in one piece are ignored" },
        { "vornix.exe -e\t-q", 0, 0, "a tab is no separator" },
        { "vornix.exe \"-e\"", 0, 0, "no quoting rules" },
        { "C:\\Program Files\\a -e\\vornix.exe", 0, 0, "a path with blanks gives pieces that match nothing" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        launchOptions.runAtStart = launchOptions.quitAfterRun = 1;
        parseCommandLine(c.line);
        EXPECT_EQ(launchOptions.runAtStart, c.runAtStart);
        EXPECT_EQ(launchOptions.quitAfterRun, c.quitAfterRun);
    }
}

// Start-up with its own application-data and desktop folders, current directory and command line.
class StartUpFolders : public ::testing::Test {
protected:
    TempFolder home;
    std::string appData, desktop, programFolder;
    char savedDirectory[4096];

    void SetUp() override
    {
        ASSERT_FALSE(home.path.empty());
        ASSERT_TRUE(getcwd(savedDirectory, sizeof savedDirectory));
        appData = home / "config";
        desktop = home / "Desktop";
        programFolder = appData + "/vornix";
        mkdir(appData.c_str(), 0777);
        mkdir(desktop.c_str(), 0777);
        setenv("XDG_CONFIG_HOME", appData.c_str(), 1);
        setenv("XDG_DESKTOP_DIR", desktop.c_str(), 1);
        ASSERT_EQ(chdir(home.path.c_str()), 0);
        setArguments({ "vornix" });
        clearRecordings();
    }
    void TearDown() override
    {
        EXPECT_EQ(chdir(savedDirectory), 0);
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DESKTOP_DIR");
    }
    static void setArguments(std::vector<std::string> arguments)
    {
        std::vector<char*> argv;
        for (std::string& a : arguments) argv.push_back(&a[0]);
        setCommandLine((int)argv.size(), argv.data());
    }
};

TEST_F(StartUpFolders, FirstStartCreatesTheFolderAndAppliesTheDefaults)
{
    setArguments({ "vornix", "-e", "-q" });
    startUp();

    EXPECT_EQ(std::string(appPaths.appFolder), appData + "\\vornix");
    EXPECT_EQ(std::string(appPaths.settingsPath), appData + "\\vornix\\vornix.ini");
    EXPECT_EQ(std::string(appPaths.desktopFolder), desktop);
    EXPECT_EQ(std::string(appPaths.readmePath), home.path + "\\Readme.txt");
    EXPECT_STREQ(appPaths.outputFolder, "");
    EXPECT_TRUE(directoryExists(appPaths.appFolder));
    EXPECT_EQ(launchOptions.runAtStart, 1);
    EXPECT_EQ(launchOptions.quitAfterRun, 1);

    EXPECT_STREQ(settings.currentId, "ここにIDを入力");
    EXPECT_EQ(settings.idCount, 0u);
    EXPECT_STREQ(settings.logPath, "C:\\Kalvento\\JAPANESE\\Zentolog.txt");
    EXPECT_EQ(settings.maxRate, 20000);
    EXPECT_EQ(settings.saveOnExit, 1);
    EXPECT_STREQ(settingsBackup.currentId, "ここにIDを入力");
    EXPECT_EQ(settingsBackup.maxRate, 20000);
    EXPECT_TRUE(shownMessages.empty());
    EXPECT_EQ(fileBytes(programFolder + "/vornix.ini"), "<missing>");   // start-up writes nothing
}

TEST_F(StartUpFolders, ExistingFileIsReadAndBackedUp)
{
    mkdir(programFolder.c_str(), 0777);
    writeBytes(programFolder + "/vornix.ini",
               "<KalventoID>ゲスト;abc;</KalventoID>\r\n<最低レート>100</最低レート>\r\n<配色>3</配色>\r\n");
    startUp();

    EXPECT_EQ(launchOptions.runAtStart, 0);
    EXPECT_STREQ(settings.currentId, "ゲスト");
    EXPECT_EQ(settings.idCount, 2u);
    EXPECT_EQ(settings.minRate, 100);
    EXPECT_EQ(settings.colorScheme, 3);
    // Lines the file lacks keep the start values, not the defaults.
    EXPECT_STREQ(settings.logPath, "");
    EXPECT_EQ(settings.maxRate, 0);
    EXPECT_EQ(settings.saveOnExit, 1);
    EXPECT_EQ(settings.reportOnDesktop, 0);

    EXPECT_STREQ(settingsBackup.currentId, "ゲスト");
    EXPECT_EQ(settingsBackup.minRate, 100);
    EXPECT_EQ(settingsBackup.colorScheme, 3);
}

TEST_F(StartUpFolders, EachStartBeginsFromCleanSettings)
{
    mkdir(programFolder.c_str(), 0777);
    writeBytes(programFolder + "/vornix.ini", "<KalventoID>a;b;</KalventoID>\r\n<設定保存>0</設定保存>\r\n");
    startUp();
    EXPECT_EQ(settings.saveOnExit, 0);

    writeBytes(programFolder + "/vornix.ini", "<最低レート>5</最低レート>\r\n");
    startUp();
    EXPECT_EQ(settings.idCount, 0u);
    EXPECT_STREQ(settings.currentId, "");   // no ID line: empty, not the placeholder
    EXPECT_EQ(settings.saveOnExit, 1);
    EXPECT_EQ(settings.minRate, 5);
}

TEST_F(StartUpFolders, ReadmeNeedsRoomForItsName)
{
    // Directories whose Windows-form path is exactly 250 and 251 bytes long.
    std::string directory = home.path;
    while (directory.size() < 240) {
        directory += "/" + std::string(std::min<size_t>(100, 240 - directory.size() - 1), 'd');
        ASSERT_EQ(mkdir(directory.c_str(), 0777), 0);
    }
    std::string fits = directory + "/" + std::string(250 - directory.size() - 1, 'f');
    std::string tooLong = directory + "/" + std::string(251 - directory.size() - 1, 'g');
    ASSERT_EQ(mkdir(fits.c_str(), 0777), 0);
    ASSERT_EQ(mkdir(tooLong.c_str(), 0777), 0);

    ASSERT_EQ(chdir(fits.c_str()), 0);
    startUp();
    EXPECT_EQ(std::string(appPaths.readmePath), fits + "\\Readme.txt");
    EXPECT_EQ(strlen(appPaths.readmePath), 261u);

    ASSERT_EQ(chdir(tooLong.c_str()), 0);
    startUp();
    EXPECT_STREQ(appPaths.readmePath, "");
}
