// The file, folder and environment calls of the POSIX platform layer.
#include "platform/platform.h"

#include "support/FileBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

static int isDirectory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Writes text through the platform layer, by a code page 932 name in Windows form.
static int writeThrough(const std::string& name, const char* text)
{
    FILE* file = openFile(name.c_str(), "wb");
    if (!file) return 0;
    fputs(text, file);
    return fclose(file) == 0;
}

TEST(PosixFiles, NamesAreCodePage932InWindowsForm)
{
    TempFolder folder;
    // "ログ" in code page 932 becomes UTF-8 on disk; back-slashes become slashes.
    ASSERT_TRUE(writeThrough(folder.path + "\\ログ.txt", "x"));
    EXPECT_EQ(nativeFileBytes(folder / "\xe3\x83\xad\xe3\x82\xb0.txt"), "x");

    // A second byte 0x5c inside a double-byte character is no separator: "ソ" is 0x83 0x5c.
    ASSERT_TRUE(writeThrough(folder.path + "\\ソ.txt", "y"));
    EXPECT_EQ(nativeFileBytes(folder / "\xe3\x82\xbd.txt"), "y");
}

TEST(PosixFiles, ReplaceAndRemove)
{
    TempFolder folder;
    writeBytes(folder / "new", "new");
    writeBytes(folder / "old", "old");
    EXPECT_EQ(replaceFile((folder / "new").c_str(), (folder / "old").c_str()), 1);
    EXPECT_EQ(nativeFileBytes(folder / "old"), "new");
    EXPECT_EQ(nativeFileBytes(folder / "new"), "<missing>");

    EXPECT_EQ(replaceFile((folder / "new").c_str(), (folder / "old").c_str()), 0);
    EXPECT_EQ(nativeFileBytes(folder / "old"), "new");

    EXPECT_EQ(removeFile((folder / "old").c_str()), 1);
    EXPECT_EQ(nativeFileBytes(folder / "old"), "<missing>");
    EXPECT_EQ(removeFile((folder / "old").c_str()), 0);

    // Like DeleteFileA: a folder, even an empty one, is never removed.
    mkdir((folder / "dir").c_str(), 0777);
    EXPECT_EQ(removeFile((folder / "dir").c_str()), 0);
    EXPECT_TRUE(isDirectory(folder / "dir"));
}

TEST(PosixFiles, Folders)
{
    TempFolder folder;
    writeBytes(folder / "file", "");
    struct Case { std::string path; int exists; const char* rule; };
    const Case cases[] = {
        { folder.path, 1, "a folder" },
        { folder / "file", 0, "a file is no folder" },
        { folder / "missing", 0, "nothing there" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(directoryExists(c.path.c_str()), c.exists);
    }

    std::string made = folder.path + "\\フォルダ";
    EXPECT_EQ(createDirectory(made.c_str()), 1);
    EXPECT_EQ(directoryExists(made.c_str()), 1);
    EXPECT_TRUE(isDirectory(folder / "\xe3\x83\x95\xe3\x82\xa9\xe3\x83\xab\xe3\x83\x80"));
    EXPECT_EQ(createDirectory(made.c_str()), 0);
    EXPECT_EQ(createDirectory((folder.path + "\\missing\\child").c_str()), 0);
}

TEST(PosixFiles, CurrentDirectoryInCodePage932)
{
    TempFolder folder;
    char saved[4096];
    ASSERT_TRUE(getcwd(saved, sizeof saved));
    std::string named = folder.path + "\\フォルダ";
    ASSERT_EQ(createDirectory(named.c_str()), 1);

    EXPECT_EQ(setCurrentDirectory(named.c_str()), 1);
    char current[262];
    EXPECT_EQ(getCurrentDirectory(current, sizeof current), 1);
    EXPECT_EQ(std::string(current), folder.path + "/フォルダ");
    EXPECT_EQ(setCurrentDirectory((folder.path + "\\missing").c_str()), 0);

    // A directory that doesn't fit is refused, never cut.
    std::string deep = std::string(200, 'd') + "/" + std::string(200, 'e');
    ASSERT_EQ(system(("mkdir -p " + deep).c_str()), 0);
    ASSERT_EQ(setNativeCurrentDirectory(deep.c_str()), 1);
    current[0] = 'x';
    EXPECT_EQ(getCurrentDirectory(current, sizeof current), 0);
    EXPECT_STREQ(current, "");
    ASSERT_EQ(chdir(saved), 0);
}

TEST(PosixFiles, SpecialFoldersFromTheEnvironment)
{
    std::string savedHome = getenv("HOME") ? getenv("HOME") : "";
    struct Case {
        const char* variable;   // XDG_CONFIG_HOME or XDG_DESKTOP_DIR; NULL: unset
        const char* home;       // NULL: unset
        SpecialFolder folder;
        int found;
        const char* expected;
        const char* rule;
    };
    const Case cases[] = {
        { "/x/config", "/h", FOLDER_APPDATA, 1, "/x/config", "XDG_CONFIG_HOME first" },
        { NULL, "/h", FOLDER_APPDATA, 1, "/h/.config", "else ~/.config" },
        { "", "/h", FOLDER_APPDATA, 1, "/h/.config", "an empty variable counts as unset" },
        { "/x/desk", "/h", FOLDER_DESKTOP, 1, "/x/desk", "XDG_DESKTOP_DIR first" },
        { NULL, "/h", FOLDER_DESKTOP, 1, "/h/Desktop", "else ~/Desktop" },
        { NULL, NULL, FOLDER_APPDATA, 0, "", "no variable and no home: not found, empty" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        const char* variable = c.folder == FOLDER_APPDATA ? "XDG_CONFIG_HOME" : "XDG_DESKTOP_DIR";
        if (c.variable) setenv(variable, c.variable, 1); else unsetenv(variable);
        if (c.home) setenv("HOME", c.home, 1); else unsetenv("HOME");
        char path[262] = "stale";
        EXPECT_EQ(getSpecialFolder(c.folder, path, sizeof path), c.found);
        EXPECT_STREQ(path, c.expected);
        unsetenv(variable);
    }
    setenv("HOME", savedHome.c_str(), 1);
}

TEST(PosixFiles, CommandLineJoinsTheArguments)
{
    char program[] = "/opt/my tools/vornix", e[] = "-e", empty[] = "", q[] = "-q";
    char* argv[] = { program, e, empty, q };
    setCommandLine(4, argv);
    EXPECT_STREQ(getCommandLine(), "/opt/my tools/vornix -e  -q");
}
