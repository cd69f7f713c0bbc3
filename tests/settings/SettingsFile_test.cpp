#include "settings/SettingsFile.h"

#include "support/RecordingPlatform.h"
#include "support/FileBytes.h"
#include "support/RenameSeam.h"
#include "support/TempFolder.h"
#include "settings/AlsoIds.h"
#include "settings/AppPaths.h"
#include "settings/IdList.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

static const char SAVE_FAILED[] = "設定を保存できませんでした";

// Each test gets its own folder; settingsPath is given in Windows form, as the program builds it.
class SettingsFile : public ::testing::Test {
protected:
    TempFolder folder;
    std::string file;   // native path of vornix.ini

    void SetUp() override
    {
        ASSERT_FALSE(folder.path.empty());
        file = folder / "vornix.ini";
        copyText(appPaths.settingsPath, sizeof appPaths.settingsPath, (folder.path + "\\vornix.ini").c_str());
        resetSettings();
        clearRecordings();
    }
};

// The ID list as "count:A|B|C".
static std::string idsInUse(void)
{
    std::string joined = std::to_string(settings.idCount) + ":";
    for (unsigned i = 0; i < settings.idCount; i++) joined += (i ? "|" : "") + std::string(settings.idList[i]);
    return joined;
}

static std::string fieldText(const std::string& field)
{
    if (field == "currentId") return settings.currentId;
    if (field == "ids") return idsInUse();
    if (field == "logPath") return settings.logPath;
    if (field == "firstDay") return settings.firstDay;
    if (field == "lastDay") return settings.lastDay;
    if (field == "lobbies") return settings.lobbies;
    if (field == "gameLength") return std::to_string(settings.gameLength);
    if (field == "seats") return std::to_string(settings.seats);
    if (field == "skipBroken") return std::to_string(settings.skipBroken);
    if (field == "minRate") return std::to_string(settings.minRate);
    if (field == "maxRate") return std::to_string(settings.maxRate);
    if (field == "saveOnExit") return std::to_string(settings.saveOnExit);
    if (field == "reportOnDesktop") return std::to_string(settings.reportOnDesktop);
    if (field == "colorScheme") return std::to_string(settings.colorScheme);
    if (field == "trendCharts") return std::to_string(settings.trendCharts);
    if (field == "rivals") return std::to_string(settings.rivals);
    if (field == "alsoIds") return settings.alsoIds;
    if (field == "alsoIdsOfB") return alsoIdsOf("B");
    return "<unknown field " + field + ">";
}

// The file written from fillSettings(), the option off: the same bytes as before the option existed.
static const char WRITTEN_BEFORE_THE_OPTION[] =
    "<KalventoID>ゲスト;abc;x;y;</KalventoID>\r\n"
    "<牌譜ファイル>C:\\Kalvento\\JAPANESE\\Zentolog.txt</牌譜ファイル>\r\n"
    "<最低レート>-50</最低レート>\r\n"
    "<最高レート>20000</最高レート>\r\n"
    "<設定保存>0</設定保存>\r\n"
    "<デスクトップ保存>1</デスクトップ保存>\r\n"
    "<配色>2</配色>\r\n";

TEST_F(SettingsFile, ReadAppliesEachLineByItsRule)
{
    struct Case { const char* bytes; const char* field; const char* expected; const char* rule; };
    const Case cases[] = {
        { "<KalventoID>abc;def;</KalventoID>\r\n", "ids", "2:abc|def", "IDs in file order" },
        { "<KalventoID>abc;def;</KalventoID>\r\n", "currentId", "abc", "current ID is the first ID" },
        { "<KalventoID></KalventoID>\r\n", "currentId", "ここにIDを入力", "empty list gives the placeholder" },
        { "<KalventoID>;</KalventoID>\r\n", "currentId", "", "; alone gives an empty current ID" },
        { "<KalventoID>;</KalventoID>\r\n", "ids", "1:", "; alone gives one empty slot" },
        { "<KalventoID>a;;b;</KalventoID>\r\n", "ids", "3:a||b", ";; in the middle gives an empty slot" },
        { "<KalventoID>1;2;3;4;5;6;7;8;9;10;11;</KalventoID>\r\n", "ids", "10:1|2|3|4|5|6|7|8|9|10",
          "more than 10 IDs keep the first 10" },
        { "<牌譜ファイル>D:\\ログ\\log.txt</牌譜ファイル>\r\n", "logPath", "D:\\ログ\\log.txt", "path as written" },
        { "<最低レート>1500.9</最低レート>\r\n", "minRate", "1500", "rate truncated" },
        { "<最高レート>-2.5</最高レート>\r\n", "maxRate", "-2", "negative rate truncated toward zero" },
        { "<デスクトップ保存>1.0</デスクトップ保存>\r\n", "reportOnDesktop", "1", "flag: 1.0 is exactly 1" },
        { "<設定保存>2</設定保存>\r\n", "saveOnExit", "0", "flag: 2 clears it" },
        { "<設定保存>yes</設定保存>\r\n", "saveOnExit", "0", "flag: a word clears it" },
        { "<配色>3</配色>\r\n", "colorScheme", "3", "scheme 3" },
        { "<配色>4</配色>\r\n", "colorScheme", "0", "scheme above 3 becomes 0" },
        { "<配色>-1</配色>\r\n", "colorScheme", "0", "negative scheme becomes 0" },
        { "<推移グラフ>1.0</推移グラフ>\r\n", "trendCharts", "1", "option flag: 1.0 turns it on" },
        { "<推移グラフ>2</推移グラフ>\r\n", "trendCharts", "0", "option flag: 2 leaves it off" },
        { "<対戦相手別>1</対戦相手別>\r\n", "rivals", "1", "the page of each opponent: 1 turns it on" },
        { WRITTEN_BEFORE_THE_OPTION, "rivals", "0", "a file without its line leaves the page off" },
        { "#<最低レート>5</最低レート>\r\n", "minRate", "0", "comment line skipped though valid" },
        { " #<最低レート>5</最低レート>\r\n", "minRate", "5", "a blank before # makes it no comment" },
        { "x <最低レート>5</最低レート> y\r\n", "minRate", "5", "text around the tags ignored" },
        { "<最低レート>5</最低レート>", "minRate", "5", "last line without a line end" },
        { "<最低レート>5</最低レート>\n", "minRate", "5", "LF line end" },
        { "<最低レート>5</最低レート>\r\n<最低レート>7</最低レート>\r\n", "minRate", "7", "the later line wins" },
        { "<最低レート>5</最高レート>\r\n", "minRate", "0", "closing tag of another name" },
        { "<最低レート>5\r\n</最低レート>\r\n", "minRate", "0", "closing tag on the next line" },
        { "<最低レート>5>6</最低レート>\r\n", "minRate", "5", "the first > ends the tag name" },
        { "a<b <最低レート>5</最低レート>\r\n", "minRate", "0", "the first < starts the tag name" },
        { "<最低レート 5</最低レート>\r\n", "minRate", "0", "no > after the name" },
        { "<kalventoID>a;</kalventoID>\r\n", "currentId", "", "tag names are case-sensitive" },
        { "<KalventoID>a;</KalventoID>\r\n<x>1</x>\r\n", "ids", "1:a", "unknown tags ignored" },
        { "<最低レート>5</最低レート>\r\n", "logPath", "", "missing path line leaves it empty, no default" },
        { "<牌譜ファイル>x</牌譜ファイル>\r\n", "maxRate", "0", "missing rate line leaves 0" },
        { "<牌譜ファイル>x</牌譜ファイル>\r\n", "saveOnExit", "1", "missing flag line leaves 1" },
        { WRITTEN_BEFORE_THE_OPTION, "trendCharts", "0", "a file of the seven lines leaves the option off" },
        { "<牌譜ファイル>x</牌譜ファイル>\r\n", "currentId", "", "missing ID line leaves it empty" },
        { "<開始日>2024-3-5</開始日>\r\n", "firstDay", "2024/03/05", "a day as typed is stored" },
        { "<終了日>2024/02/30</終了日>\r\n", "lastDay", "", "an impossible day is ignored" },
        { "<開始日>soon</開始日>\r\n", "firstDay", "", "a word is ignored" },
        { "<開始日>2024/06/01</開始日>\r\n<終了日>2024/06/01</終了日>\r\n", "lastDay", "2024/06/01",
          "a period of one day is kept" },
        { "<ロビー>上級;一般;</ロビー>\r\n", "lobbies", "上級;一般;", "lobbies" },
        { "<ロビー>上級</ロビー>\r\n", "lobbies", "", "a lobby without its ; is ignored" },
        { "<対局>1</対局>\r\n", "gameLength", "1", "東風戦" },
        { "<対局>3</対局>\r\n", "gameLength", "0", "game length 3 stays off" },
        { "<人数>3</人数>\r\n", "seats", "3", "three seats" },
        { "<人数>2</人数>\r\n", "seats", "0", "two seats stay off" },
        { "<壊れた対局>1</壊れた対局>\r\n", "skipBroken", "1", "tolerant reading" },
        { "<KalventoID>A;</KalventoID>\r\n<別のID>B;ソポ表;</別のID>\r\n", "alsoIds", "B;ソポ表;", "further IDs" },
        { "<KalventoID>A;</KalventoID>\r\n<別のID>B;A;</別のID>\r\n", "alsoIds", "", "one equal to the ID: ignored" },
        { "<別のID>B;a:b;</別のID>\r\n", "alsoIds", "", "one a file name can't hold: ignored" },
        { "<別のID>1;2;3;4;5;6;7;8;9;10;</別のID>\r\n", "alsoIds", "", "ten: ignored" },
        { "<KalventoID>A;B;</KalventoID>\r\n<別のID:B>C;</別のID>\r\n", "alsoIdsOfB", "C;", "another ID's" },
        { "<KalventoID>A;B;</KalventoID>\r\n<別のID:B>C;\r\n</別のID>\r\n", "alsoIdsOfB", "",
          "another ID's line is never read past its end" },
        { "<KalventoID>A;B;</KalventoID>\r\n<別のID:B>B;</別のID>\r\n", "alsoIdsOfB", "", "another ID's, holding it" },
        { "<開始日>2024/06/01</開始日>\r\n<終了日>2024/01/01</終了日>\r\n", "lastDay", "",
          "a period that can never match is dropped whole" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        writeBytes(file, c.bytes);
        resetSettings();
        EXPECT_EQ(readSettingsFile(), 1);
        EXPECT_EQ(fieldText(c.field), c.expected);
        const bool last = &c == &cases[sizeof cases / sizeof cases[0] - 1];   // the one dropping a period
        EXPECT_EQ(takeDroppedPeriodNotice(), last);
    }
    EXPECT_STREQ(settings.firstDay, "") << "the last case: its first day went too";
    EXPECT_EQ(takeDroppedPeriodNotice(), 0) << "told once";
}

TEST_F(SettingsFile, LinesAreReadInPiecesOf261Bytes)
{
    struct Case { std::string bytes; const char* field; const char* expected; const char* rule; };
    const std::string path232(232, 'p');
    const Case cases[] = {
        { "<牌譜ファイル>" + path232 + "</牌譜ファイル>\r\n", "logPath", path232.c_str(),
          "a 232-byte path fills 261 bytes and reads back" },
        { "<牌譜ファイル>" + path232 + "q</牌譜ファイル>\r\n", "logPath", "",
          "a 262-byte line loses its closing tag and is not recognised" },
        { std::string(261, 'x') + "<最低レート>5</最低レート>\r\n", "minRate", "5",
          "the rest of a long line is read as a line of its own" },
        { std::string(261, '#') + "<最低レート>5</最低レート>\r\n", "minRate", "5",
          "only a piece that starts with # is a comment" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        writeBytes(file, c.bytes);
        resetSettings();
        readSettingsFile();
        EXPECT_EQ(fieldText(c.field), c.expected);
    }
}

TEST_F(SettingsFile, MissingFileGivesTheDefaultsAndThePlaceholder)
{
    settings.minRate = 77;
    EXPECT_EQ(readSettingsFile(), 0);
    EXPECT_STREQ(settings.currentId, "ここにIDを入力");
    EXPECT_STREQ(settings.logPath, "C:\\Kalvento\\JAPANESE\\Zentolog.txt");
    EXPECT_EQ(settings.minRate, 0);
    EXPECT_EQ(settings.maxRate, 20000);
    EXPECT_EQ(settings.idCount, 0u);
    EXPECT_TRUE(shownMessages.empty());
}

static void fillSettings(void)
{
    const char* ids[] = { "ゲスト", "", "abc", "x;y" };
    for (const char* id : ids) copyText(settings.idList[settings.idCount++], ID_SIZE, id);
    copyText(settings.currentId, sizeof settings.currentId, "ignored");
    copyText(settings.logPath, sizeof settings.logPath, "C:\\Kalvento\\JAPANESE\\Zentolog.txt");
    settings.minRate = -50;
    settings.maxRate = 20000;
    settings.saveOnExit = 0;
    settings.reportOnDesktop = 1;
    settings.colorScheme = 2;
}

TEST_F(SettingsFile, WritesTheSevenLinesWithCrLfAndTheOptionOnlyWhenOn)
{
    fillSettings();
    EXPECT_EQ(writeSettingsFile(), 1);
    EXPECT_EQ(fileBytes(file), WRITTEN_BEFORE_THE_OPTION);
    EXPECT_EQ(fileBytes(file + ".tmp"), "<missing>");
    EXPECT_TRUE(shownMessages.empty());

    settings.trendCharts = 1;
    EXPECT_EQ(writeSettingsFile(), 1);
    EXPECT_EQ(fileBytes(file), std::string(WRITTEN_BEFORE_THE_OPTION) + "<推移グラフ>1</推移グラフ>\r\n");
    settings.details = 1;
    EXPECT_EQ(writeSettingsFile(), 1);
    EXPECT_EQ(fileBytes(file), std::string(WRITTEN_BEFORE_THE_OPTION) +
                                   "<推移グラフ>1</推移グラフ>\r\n<詳しい成績>1</詳しい成績>\r\n");

    settings.trendCharts = 0;
    copyText(settings.firstDay, sizeof settings.firstDay, "2024/01/01");
    copyText(settings.lobbies, sizeof settings.lobbies, "A;B;");
    settings.seats = 4;
    settings.rivals = 1;
    EXPECT_EQ(writeSettingsFile(), 1);
    EXPECT_EQ(fileBytes(file), std::string(WRITTEN_BEFORE_THE_OPTION) +
                                   "<開始日>2024/01/01</開始日>\r\n<ロビー>A;B;</ロビー>\r\n<人数>4</人数>\r\n"
                                   "<詳しい成績>1</詳しい成績>\r\n<対戦相手別>1</対戦相手別>\r\n");
    settings.firstDay[0] = settings.lobbies[0] = '\0';
    settings.seats = 0;

    resetSettings();
    EXPECT_EQ(writeSettingsFile(), 1);
    EXPECT_EQ(fileBytes(file),
              "<KalventoID></KalventoID>\r\n<牌譜ファイル></牌譜ファイル>\r\n<最低レート>0</最低レート>\r\n"
              "<最高レート>0</最高レート>\r\n<設定保存>1</設定保存>\r\n"
              "<デスクトップ保存>0</デスクトップ保存>\r\n<配色>0</配色>\r\n");
}

TEST_F(SettingsFile, WrittenFileReadsBack)
{
    fillSettings();
    settings.trendCharts = 1;
    settings.rivals = 1;
    settings.details = 1;
    copyText(settings.firstDay, sizeof settings.firstDay, "2024/01/01");
    copyText(settings.lastDay, sizeof settings.lastDay, "2024/06/30");
    copyText(settings.lobbies, sizeof settings.lobbies, std::string(119, 'L').append(";").append(118, 'M').append(";").c_str());
    settings.gameLength = LENGTH_HANCHAN;
    settings.seats = 3;
    settings.skipBroken = 1;
    copyText(settings.alsoIds, sizeof settings.alsoIds, "B;C;");
    keepAlsoIds("abc", "D;");
    Settings written = settings;
    writeSettingsFile();
    resetSettings();
    EXPECT_EQ(readSettingsFile(), 1);
    EXPECT_STREQ(settings.firstDay, written.firstDay);
    EXPECT_STREQ(settings.lastDay, written.lastDay);
    EXPECT_STREQ(settings.lobbies, written.lobbies) << "the longest lobby list fits its line";
    EXPECT_EQ(settings.gameLength, LENGTH_HANCHAN);
    EXPECT_EQ(settings.seats, 3);
    EXPECT_EQ(settings.skipBroken, 1);
    EXPECT_STREQ(settings.alsoIds, "B;C;");
    EXPECT_STREQ(alsoIdsOf("abc"), "D;");
    EXPECT_EQ(idsInUse(), "4:ゲスト|abc|x|y");   // the empty slot is dropped, "x;y" splits
    EXPECT_STREQ(settings.currentId, "ゲスト");
    EXPECT_STREQ(settings.logPath, "C:\\Kalvento\\JAPANESE\\Zentolog.txt");
    EXPECT_EQ(settings.minRate, -50);
    EXPECT_EQ(settings.maxRate, 20000);
    EXPECT_EQ(settings.saveOnExit, 0);
    EXPECT_EQ(settings.reportOnDesktop, 1);
    EXPECT_EQ(settings.colorScheme, 2);
    EXPECT_EQ(settings.trendCharts, 1);
    EXPECT_EQ(settings.details, 1);
    EXPECT_EQ(settings.rivals, 1);

    // The longest list the program writes: ten IDs of 15 bytes fit one line.
    resetSettings();
    for (int i = 0; i < 10; i++) copyText(settings.idList[i], ID_SIZE, std::string(15, (char)('a' + i)).c_str());
    settings.idCount = 10;
    writeSettingsFile();
    resetSettings();
    readSettingsFile();
    EXPECT_EQ(settings.idCount, 10u);
    EXPECT_EQ(std::string(settings.idList[9]), std::string(15, 'j'));
}

// A 16-byte Japanese ID used to be cut inside its last character: the file stopped being valid
// Shift_JIS and every start added a look-alike ID to the list.
TEST_F(SettingsFile, AnOverlongJapaneseIdIsCutToWholeCharactersAndStaysOneEntry)
{
    writeBytes(file, "<KalventoID>あいうえおかきく;abc;</KalventoID>\r\n");
    for (int start = 0; start < 3; start++) {
        SCOPED_TRACE(start);
        resetSettings();
        ASSERT_EQ(readSettingsFile(), 1);
        EXPECT_STREQ(settings.currentId, "あいうえおかき");
        rememberCurrentId();
        EXPECT_EQ(idsInUse(), "2:あいうえおかき|abc");
        ASSERT_EQ(writeSettingsFile(), 1);
    }
    EXPECT_EQ(fileBytes(file).substr(0, 44), "<KalventoID>あいうえおかき;abc;</KalventoID>");
}

TEST_F(SettingsFile, ReplacesTheOldFileOnlyWhenAllWasWritten)
{
    const std::string old = "<配色>3</配色>\r\n# kept byte for byte\r\n";
    fillSettings();

    // Bug: the temporary name was fixed, so a symlink planted there was written through.
    ASSERT_EQ(symlink("/dev/full", (file + ".tmp").c_str()), 0);
    writeBytes(file, old);
    EXPECT_EQ(writeSettingsFile(), 1) << "a symlink at the old temporary name is neither followed nor in the way";
    EXPECT_TRUE(std::filesystem::is_symlink(file + ".tmp"));

    writeBytes(file, old);
    breakRename(1);
    EXPECT_EQ(writeSettingsFile(), 0);
    breakRename(0);
    EXPECT_EQ(fileBytes(file), old);
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_EQ(shownMessages[0], SAVE_FAILED);
    EXPECT_EQ(settings.colorScheme, 2);   // the settings in memory are unchanged
    EXPECT_EQ(folderNames(folder.path), (std::vector<std::string>{"vornix.ini", "vornix.ini.tmp"}));
}

TEST_F(SettingsFile, FailedReplaceRemovesTheTemporaryFile)
{
    mkdir(file.c_str(), 0777);
    writeBytes(file + "/inside", "x");   // a folder that isn't empty can't be replaced
    fillSettings();
    EXPECT_EQ(writeSettingsFile(), 0);
    EXPECT_EQ(fileBytes(file + ".tmp"), "<missing>");
    EXPECT_EQ(fileBytes(file + "/inside"), "x");
    ASSERT_EQ(shownMessages.size(), 1u);
    EXPECT_EQ(shownMessages[0], SAVE_FAILED);
}
