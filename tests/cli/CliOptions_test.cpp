#include "cli/CliOptions.h"

#include "analysis/Conditions.h"
#include "settings/AnalysisConditions.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <string>
#include <vector>

struct Parsed {
    int ok;
    std::string problem;
    CliOptions options;
};

// Parses the arguments as vornix-cli's argv[1..].
static Parsed parse(std::vector<std::string> arguments)
{
    std::vector<char*> argv = {(char*)"vornix-cli"};
    for (std::string& argument : arguments) argv.push_back(&argument[0]);
    Parsed parsed;
    const char* problem = "";
    parsed.ok = parseCliOptions((int)argv.size(), argv.data(), &parsed.options, &problem);
    parsed.problem = parsed.ok ? "" : problem;
    return parsed;
}

TEST(CliOptions, RefusalsNameTheirFault)
{
    struct Case { std::vector<std::string> arguments; const char* problem; const char* rule; };
    const std::string longPath(nativePathLimit() + 1, 'p');
    const Case cases[] = {
        { {}, "--log を指定してください", "no arguments" },
        { {"--log", "x"}, "--id を指定してください", "no ID" },
        { {"--id", "Me"}, "--log を指定してください", "no log" },
        { {"--log", "x", "--id", "Me", "--colour", "1"}, "--colour というオプションはありません", "an unknown option, named" },
        { {"--log", "x", "-id", "Me"}, "-id というオプションはありません", "names are compared whole" },
        { {"--log", "x", "--id"}, "--id の値がありません", "an option without its value, named" },
        { {"--log", "x", "--id", "A", "--id", "B"}, "--id が二度以上指定されています", "a repeated option: it was taken silently" },
        { {"--log", "x", "--id", "A", "--trends", "--trends"}, "--trends が二度以上指定されています", "a repeated flag" },
        { {"--log", "x", "--id", "abcdefghijklmnop"}, "--id が長すぎます（15 バイトまで）", "a 16-byte ID, never cut" },
        { {"--log", "x", "--id", u8"é"}, "--id にシフトJIS（コードページ932）で表せない文字があります",
          "a character code page 932 lacks: it used to be read as two half-width katakana" },
        { {"--log", "x", "--id", "\x81/x"}, "--id にシフトJIS（コードページ932）で表せない文字があります",
          "bytes that are no text of the terminal's encoding" },
        { {"--log", longPath, "--id", "Me"}, "--log が長すぎます（4095 バイトまで）",
          "an over-long log path is refused, not cut to an existing file" },
        { {"--log", "x", "--id", "Me", "--out", longPath}, "--out が長すぎます（4095 バイトまで）", "an over-long folder" },
        { {"--log", "x", "--id", "Me", "--min", "1.5"}, "--min には整数を指定してください", "not a whole number" },
        { {"--log", "x", "--id", "Me", "--max", "9x"}, "--max には整数を指定してください", "trailing bytes" },
        { {"--log", "x", "--id", "Me", "--max", "2147483648"}, "--max には -2147483648 から 2147483647 までの整数を指定してください",
          "beyond 32 bits: a whole number out of range, said so with the range" },
        { {"--log", "x", "--id", "Me", "--min", ""}, "--min には整数を指定してください", "an empty number" },
        { {"--log", "x", "--id", "Me", "--scheme", "4"}, "--scheme には 0 から 3 までの整数を指定してください",
          "a scheme outside 0 to 3" },
        { {"--log", "x", "--id", "Me", "--scheme", "-1"}, "--scheme には 0 から 3 までの整数を指定してください",
          "a negative scheme" },
        { {"--log", "x", "--id", "Me", "--from", "2024/02/30"}, "--from: 存在しない日付です", "an impossible day" },
        { {"--log", "x", "--id", "Me", "--to", "2024.1.1"}, "--to: 日付は 2024/01/31 のように「年/月/日」で入力してください",
          "no day" },
        { {"--log", "x", "--id", "Me", "--from", "2024/02/02", "--to", "2024/2/1"}, "開始日が終了日より後になっています",
          "the first day after the last" },
        { {"--log", "x", "--id", "Me", "--lobby", "a;b"}, "--lobby: ロビー名が空か、「;」を含んでいます", "a ; in a lobby" },
        { {"--log", "x", "--id", "Me", "--lobby", u8"é"}, "--lobby にシフトJIS（コードページ932）で表せない文字があります",
          "a lobby code page 932 can't hold" },
        { {"--log", "x", "--id", "Me", "--length", "tonpuu"}, "--length には tonpu、hanchan、東風、半荘 のどれかを指定してください",
          "a game length of another word" },
        { {"--log", "x", "--id", "Me", "--players", "2"}, "--players には 3 から 4 までの整数を指定してください",
          "two players" },
        { {"--log", "x", "--id", "Me", "--length", "tonpu", "--length", "tonpu"}, "--length が二度以上指定されています",
          "only --lobby may be repeated" },
        { {"--also-id", "Me", "--log", "x", "--id", "Me"}, "--also-id: 別のIDにIDと同じものがあります",
          "a further ID equal to the ID, given after it" },
        { {"--log", "x", "--id", "Me", "--also-id", "B", "--also-id", "B"}, "--also-id: 同じ別のIDが二度以上あります",
          "a further ID given twice" },
        { {"--log", "x", "--id", "Me", "--also-id", "a:b"}, "--also-id: IDにファイル名に使えない文字が含まれています",
          "a further ID under the ID's rule" },
        { {"--log", "x", "--id", "Me", "--also-id", "abcdefghijklmnop"}, "--also-id が長すぎます（15 バイトまで）",
          "a 16-byte further ID" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        Parsed parsed = parse(c.arguments);
        EXPECT_EQ(parsed.ok, 0);
        EXPECT_EQ(parsed.problem, c.problem);
    }
}

TEST(CliOptions, ValuesFlagsAndDefaults)
{
    const std::string longestPath(nativePathLimit(), 'p');
    Parsed parsed = parse({"--id", "abcdefghijklmno", "--log", longestPath, "--min", "-2147483648", "--max", "+50",
                           "--scheme", "3", "--out", "o", "--trends", "--rivals"});
    ASSERT_EQ(parsed.ok, 1) << parsed.problem;
    EXPECT_STREQ(settings.currentId, "abcdefghijklmno");
    EXPECT_EQ(std::string(parsed.options.logPath), longestPath);
    EXPECT_EQ(settings.minRate, INT_MIN);
    EXPECT_EQ(settings.maxRate, 50);
    EXPECT_EQ(settings.colorScheme, 3);
    EXPECT_STREQ(parsed.options.outputFolder, "o");
    EXPECT_EQ(settings.trendCharts, 1);
    EXPECT_EQ(settings.rivals, 1);
    EXPECT_EQ(parsed.options.help, 0);

    parsed = parse({"--log", "x", "--id", "Me"});
    ASSERT_EQ(parsed.ok, 1);
    EXPECT_EQ(settings.minRate, DEFAULT_MIN_RATE);
    EXPECT_EQ(settings.maxRate, DEFAULT_MAX_RATE);
    EXPECT_EQ(settings.colorScheme, DEFAULT_COLOR_SCHEME);
    EXPECT_STREQ(parsed.options.outputFolder, "");
    EXPECT_EQ(settings.trendCharts, 0);
    EXPECT_FALSE(selectionConditionsSet());
    EXPECT_EQ(settings.skipBroken, 0);

    parsed = parse({"--log", "x", "--id", "Me", "--from", "2024-1-5", "--to", "2024/01/05", "--lobby", u8"上級",
                    "--lobby", "B", "--lobby", u8"上級", "--length", u8"半荘", "--players", "3", "--skip-bad"});
    ASSERT_EQ(parsed.ok, 1) << parsed.problem;
    EXPECT_STREQ(settings.firstDay, "2024/01/05");
    EXPECT_STREQ(settings.lastDay, "2024/01/05");
    EXPECT_STREQ(settings.lobbies, "上級;B;");
    EXPECT_EQ(settings.gameLength, LENGTH_HANCHAN);
    EXPECT_EQ(settings.seats, 3);
    EXPECT_EQ(settings.skipBroken, 1);
    EXPECT_EQ(parse({"--log", "x", "--id", "Me", "--length", "tonpu"}).ok, 1);
    EXPECT_EQ(settings.gameLength, LENGTH_TONPU);
    EXPECT_EQ(settings.rivals, 0);

    parsed = parse({"--log", "x", "--id", "Me", "--also-id", u8"ソポ表", "--also-id", "abcdefghijklmno"});
    ASSERT_EQ(parsed.ok, 1) << parsed.problem;
    EXPECT_STREQ(settings.alsoIds, "ソポ表;abcdefghijklmno;");

    parsed = parse({"--log", "x", "--id", u8"ソポ表"});
    ASSERT_EQ(parsed.ok, 1) << parsed.problem;
    EXPECT_STREQ(settings.currentId, "ソポ表");
}

TEST(CliOptions, HelpNeedsNothingElseButOtherFaultsStillCount)
{
    EXPECT_EQ(parse({"--help"}).ok, 1);
    EXPECT_EQ(parse({"--help"}).options.help, 1);
    EXPECT_EQ(parse({"--scheme", "1", "--help"}).ok, 1);
    EXPECT_EQ(parse({"--help", "--colour"}).problem, "--colour というオプションはありません");
}
