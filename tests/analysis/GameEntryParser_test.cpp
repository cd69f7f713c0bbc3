#include "analysis/GameEntryParser.h"

#include "analysis/GameIntake.h"
#include "analysis/RunState.h"
#include "support/GameLogText.h"
#include "support/RecordingPlatform.h"
#include "text/Messages.h"

#include <gtest/gtest.h>

// The sum of the player's scores over the games read.
static long long playerScoreSum(const std::vector<ReadGame>& games)
{
    long long sum = 0;
    for (const ReadGame& game : games) sum += game.entry.seats[game.entry.playerSeat].score;
    return sum;
}

TEST(GameEntryParser, SplitsTheHeaderIntoLobbyRateAndRoom)
{
    struct Case {
        const char* header;
        char flag;
        const char* lobby;
        const char* rate;
        const char* room;
        const char* rule;
    };
    const Case cases[] = {
        {"一般ロビー(点50)：卓01>", '1', "一般ロビー", "50", "卓01", "点 and a number"},
        {"高(点1万)：卓>", '1', "高", "10000", "卓", "点1万 gives 10000"},
        {"高(点2万)：卓>", '1', "高", "20000", "卓", "点2万 gives 20000"},
        {"東南(東1万/半2万)：卓>", '0', "東南", "10000", "卓", "flag 0 takes the number after 東"},
        {"東南(東1万/半2万)：卓>", '1', "東南", "20000", "卓", "flag 1 takes the number after 半"},
        {"東南(東1万/半2万)：卓>", 'x', "東南", "20000", "卓", "any flag but 0 takes 半"},
        {"東南(半2万/東1万)：卓>", '0', "東南", "10000", "卓", "the markers' order does not matter"},
        {"東南(東50/半100)：卓>", '1', "東南", "100", "卓", "without 万"},
        {"東南(点50/東100)：卓>", '0', "東南", "50", "卓", "点 wins over /"},
        {"特別(なし)：卓>", '1', "特別", "0", "卓", "neither 点 nor /: rate 0"},
        {"フリー：卓3>", '1', "フリー", "0", "卓3", "no ): the lobby is all before the colon, rate 0"},
        {"ロビー：卓(点50)>", '1', "ロビー", "0", "卓(点50)", "a ) after the colon is part of the room"},
        {"ロビー(点50)予備：卓>", '1', "ロビー", "50", "卓", "bytes between ) and the colon are ignored"},
        {"ロ(ビ(点50)：卓>", '1', "ロ", "50", "卓", "the first ( ends the lobby"},
        {"高(点1.5万)：卓>", '1', "高", "10000", "卓", "truncation before the 万 multiplication"},
        {"高(点0.5万)：卓>", '1', "高", "0", "卓", "0.5万 gives 0"},
        {"高(点 50)：卓>", '1', "高", "50", "卓", "white space before the number is skipped"},
        {"高(点1 万)：卓>", '1', "高", "1", "卓", "万 must follow the number at once"},
        {"高(点abc)：卓>", '1', "高", "0", "卓", "no digits read as 0"},
        {"高(点1e4)：卓>", '1', "高", "10000", "卓", "an exponent is part of the number"},
        {"ロビー：>", '1', "ロビー", "0", "", "room of exactly two bytes"},
        {"ロビー：", '1', "ロビー", "0", "", "room shorter than two bytes is empty"},
        {"ロビー：卓：二>", '1', "ロビー", "0", "卓：二", "the first colon divides"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        useTestSettings();
        std::string log = gameEntry(c.header, c.flag, {"Me", "A", "B", "C"},
                                    resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}}));
        std::vector<ReadGame> games = readLogGames(log);
        ASSERT_EQ(games.size(), 1u);
        EXPECT_EQ(games[0].lobby, c.lobby);
        EXPECT_EQ(std::to_string(games[0].entry.rate), c.rate);
        EXPECT_EQ(games[0].room, c.room);
    }
}

// The fatal message names the line whose check failed; with the tolerant reading the entry is counted
// under that line instead, and the next entry is read as if the broken one were not there.
TEST(GameEntryParserDeathTest, MalformedEntriesOfThePlayerAreFatalOrSkipped)
{
    struct Case {
        const char* header;
        const char* result;
        const char* message;
        int line;   // the header is line 3, the result line 10
        const char* rule;
    };
    const char* good = ">1     +30 2     +10 3     -15 4     -25";
    const Case cases[] = {
        {"高(点3万)：卓>", good, MESSAGE_IMPOSSIBLE_RATE, 3, "点3万 is no real rate"},
        {"高(点20001)：卓>", good, MESSAGE_IMPOSSIBLE_RATE, 3, "above 20000"},
        {"高(点-1)：卓>", good, MESSAGE_IMPOSSIBLE_RATE, 3, "below 0"},
        {"高(点99999999999)：卓>", good, MESSAGE_IMPOSSIBLE_RATE, 3, "a number beyond 32 bits"},
        {"高(点300000万)：卓>", good, MESSAGE_IMPOSSIBLE_RATE, 3, "万 beyond 32 bits does not wrap"},
        {"ロビー(点50)卓>", good, MESSAGE_MALFORMED_ENTRY, 3, "a header without a colon"},
        {"ロビー点50)：卓>", good, MESSAGE_MALFORMED_ENTRY, 3, ") without ( before it"},
        {"東南(東1万/2万)：卓>", good, MESSAGE_MALFORMED_ENTRY, 3, "/ without the marker the flag selects"},
        {"卓(点50)：卓>", ">1     +30 2     +10 3     -15 4     -24", MESSAGE_NONZERO_SUM, 10,
         "scores that do not sum to 0"},
        {"卓(点50)：卓>", ">1     +30 2     +10 3     -15 4  ", MESSAGE_MALFORMED_ENTRY, 10,
         "a result line too short for the fourth seat"},
        {"卓(点3万)：卓>", ">1     +30 2     +10 3     -15 4     -24", MESSAGE_NONZERO_SUM, 10,
         "the zero-sum check comes before the rate check"},
        {"ロビー点50)：卓>", ">1     +30 2     +10 3     -15 4     -24", MESSAGE_NONZERO_SUM, 10,
         "the zero-sum check comes before the header is split"},
    };
    const std::string next = plainGame("次(点77)：卓>");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        useTestSettings();
        std::string log = "log\r\n\r\n" + gameEntry(c.header, '1', {"Me", "A", "B", "C"}, c.result) + next;
        std::string atLine = "（" + std::to_string(c.line) + " 行目）";
        EXPECT_EXIT(readLogGames(log), ::testing::ExitedWithCode(1), "message: " + hexOf(c.message + atLine));

        settings.skipBroken = 1;
        std::vector<ReadGame> games = readLogGames(log);
        ASSERT_EQ(games.size(), 1u);
        EXPECT_EQ(games[0].entry.rate, 77);
        EXPECT_EQ(run.skippedEntries, 1);
        EXPECT_EQ(run.skippedLines[0], c.line);
    }
}

TEST(GameEntryParser, TolerantReadingGoesOnAfterTheLineThatFailed)
{
    useTestSettings();
    settings.skipBroken = 1;
    std::string badThree = gameEntry("三人(点100)：卓>", '1', {"A", "Me", "B", "=三人打ち"},
                                     resultLine({{2, 10}, {1, 20}, {3, -31}}));
    // The player line that fails is the second; the rest of the entry is read as lines between entries.
    std::string badPlayerLine = gameEntry("卓(点50)：卓>", '1', {"W", "=X", "Y", "Z"}, ">1");
    std::vector<ReadGame> games = readLogGames(badThree + plainGame() + badPlayerLine + plainGame());
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].entry.seatCount, 4) << "a bad three-player entry then a good four-player one";
    EXPECT_EQ(run.skippedEntries, 2);
    EXPECT_EQ(run.skippedLines[0], 8);
    EXPECT_EQ(run.skippedLines[1], 8 + 8 + 5) << "the player line of an entry without the player";

    std::string log;
    for (int i = 0; i < 12; i++) log += badPlayerLine;
    games = readLogGames(log + plainGame());
    EXPECT_EQ(games.size(), 1u);
    EXPECT_EQ(run.skippedEntries, 12);
    char lines[SKIPPED_LINES_TEXT_SIZE];
    skippedLinesText(lines, sizeof lines);
    EXPECT_STREQ(lines, "5、13、21、29、37、45、53、61、69、77、…");

    // Bug: an entry cut short by a crash swallowed the next, whose header stood for its third player.
    std::string cut = "<卓(点50)：卓>\r\n 1:対局\r\n[2024/03/15 21:05]\r\n#Me 初段\r\n#A 初段\r\n";
    games = readLogGames(cut + plainGame() + plainGame("次(点77)：卓>"));
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[1].entry.rate, 77);
    EXPECT_EQ(run.skippedEntries, 1);
    EXPECT_EQ(run.skippedLines[0], 1) << "named by its own header line";
}

TEST(GameEntryParser, ResultLineOfExactlyTheNeededLengthIsRead)
{
    // 35 bytes before the line break: the fourth score starts at the line break and reads as 0.
    useTestSettings();
    std::string result = resultLine({{1, 30}, {2, -10}, {3, -20}}) + "4   ";
    ASSERT_EQ(result.size(), 35u);
    std::vector<ReadGame> games = readLogGames(gameEntry("卓(点10)：卓>", '1', {"Me", "A", "B", "C"}, result));
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].entry.seats[0].score, 30);
    EXPECT_EQ(games[0].entry.seats[3].score, 0);
}

TEST(GameEntryParser, EntriesWithoutThePlayerAreNotExaminedPastTheirPlayerLines)
{
    useTestSettings();
    std::string log = gameEntry("卓(点3万)：卓>", '1', {"W", "X", "Y", "Z"}, ">1 +99") +
                      gameEntry("卓：卓>", '1', {"W", "X", "Y", "Z"}, ">1     +30 2     +10 3     -15 4     -24") +
                      plainGame();
    std::vector<ReadGame> games = readLogGames(log);
    ASSERT_EQ(games.size(), 1u) << "the entries of W, X, Y and Z give no game and no fatal error";
    EXPECT_STREQ(games[0].entry.seats[1].name, "A");
}

TEST(GameEntryParserDeathTest, PlayerLinesAreCheckedInEveryEntry)
{
    struct Case {
        std::string log;
        const char* rule;
    };
    const Case cases[] = {
        {gameEntry("卓(点50)：卓>", '1', {"W", "=X", "Y", "Z"}, ">1"),
         "a line without # in an entry without the player"},
        {gameEntry("卓(点50)：卓>", '1', {"W", "#  \t", "Y", "Z"}, ">1"), "# followed only by white space"},
        {"<卓(点50)：卓>\r\n 1\r\n[2024/03/15 21:05]\r\n#Me\r\n<卓：卓>\r\n#B\r\n#C\r\n>1\r\n",
         "a < in a player line's place is a malformed player line"},
        {"<" + std::string(79, 'L') + "(点50)：卓>\r\n 1:x\r\n[2024/03/15 21:05]\r\n#Me\r\n#A\r\n#B\r\n#C\r\n",
         "a header longer than 79 bytes shifts the lines: the date line is read as a player line"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        useTestSettings();
        EXPECT_EXIT(readLogGames(c.log), ::testing::ExitedWithCode(1), "message: " + hexOf(MESSAGE_MALFORMED_ENTRY));
    }
}

// A three-player entry used to set three seats for the rest of the run: a later four-player entry
// then failed the zero sum (player in seats 1-3) or was dropped (seat 4).
TEST(GameEntryParser, EachEntryIsReadWithItsOwnSeats)
{
    useTestSettings();
    std::string three = gameEntry("三人(点100)：卓>", '1', {"A", "Me", "B", "=三人打ち"},
                                  resultLine({{2, 10}, {1, 20}, {3, -30}}));
    std::string log = three;
    for (int seat = 0; seat < 4; seat++) {
        std::vector<std::string> names = {"W", "X", "Y", "Z"};
        names[seat] = "Me";
        log += gameEntry("卓(点100)：卓>", '1', {names[0], names[1], names[2], names[3]},
                         resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}}));
    }
    log += three;
    std::vector<ReadGame> games = readLogGames(log);
    ASSERT_EQ(games.size(), 6u);
    const int seats[] = {3, 4, 4, 4, 4, 3};
    const int scores[] = {20, 30, 10, -15, -25, 20};
    for (size_t i = 0; i < games.size(); i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(games[i].entry.seatCount, seats[i]);
        EXPECT_EQ(games[i].entry.seats[games[i].entry.playerSeat].score, scores[i]);
    }

    // Three-player entries after four-player ones.
    games = readLogGames(plainGame() + three);
    EXPECT_EQ(games[0].entry.seatCount, 4);
    EXPECT_EQ(games[1].entry.seatCount, 3);
}

// The player's further IDs: a table seating one of them is the player's, at that seat; one seating
// two different ones is counted and not taken; one seating the same ID twice is read as before.
TEST(GameIntake, AnyOfThePlayersIdsSeatsThePlayerOnce)
{
    useTestSettings();
    copyText(settings.alsoIds, sizeof settings.alsoIds, "Alt;");
    std::string result = resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}});
    std::vector<ReadGame> games = readLogGames(gameEntry("卓(点100)：卓>", '1', {"W", "Alt", "Y", "Z"}, result) +
                                               gameEntry("卓(点100)：卓>", '1', {"Alt", "X", "Me", "Z"}, result) +
                                               gameEntry("卓(点100)：卓>", '1', {"Me", "X", "Me", "Z"}, result));
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].entry.playerSeat, 1);
    EXPECT_EQ(games[0].entry.playerId, 1);
    int taken = 0;
    for (ReadGame& game : games) taken += acceptGame(game.record(), &runIntake);
    EXPECT_EQ(taken, 2);
    EXPECT_EQ(run.twoIdEntries, 1);
}

TEST(GameIntake, RateRangeIsInclusiveAndCheckedAfterThePlausibility)
{
    struct Case {
        int minRate, maxRate;
        const char* header;
        int accepted;
        const char* rule;
    };
    const Case cases[] = {
        {50, 100, "卓(点50)：卓>", 1, "exactly the minimum"},
        {50, 100, "卓(点100)：卓>", 1, "exactly the maximum"},
        {50, 100, "卓(点49)：卓>", 0, "below the minimum"},
        {50, 100, "卓(点101)：卓>", 0, "above the maximum"},
        {0, 100, "卓：卓>", 1, "no rate: 0, accepted with minimum 0"},
        {-5, 100, "卓：卓>", 1, "no rate: accepted with a negative minimum"},
        {1, 100, "卓：卓>", 0, "no rate: refused with minimum 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        useTestSettings();
        std::vector<ReadGame> games = readLogGames(plainGame(c.header));
        ASSERT_EQ(games.size(), 1u);
        settings.minRate = c.minRate;
        settings.maxRate = c.maxRate;
        EXPECT_EQ(acceptGame(games[0].record(), &runIntake), c.accepted);
        EXPECT_EQ(run.playerTotals.games, c.accepted);
    }
}

TEST(GameEntryParserDeathTest, AnImpossibleRateIsFatalEvenOutsideTheRange)
{
    useTestSettings();
    settings.maxRate = 100;
    EXPECT_EXIT(readLogGames(plainGame("卓(点3万)：卓>")), ::testing::ExitedWithCode(1),
                "message: " + hexOf(MESSAGE_IMPOSSIBLE_RATE));
}

TEST(GameEntryParser, HeaderAmongBodyLinesAbandonsTheEntry)
{
    useTestSettings();
    std::string broken = "<卓(点3万)：卓>\r\n 1:x\r\n[2024/03/01 20:00]\r\n#Me\r\n#A\r\n#B\r\n#C\r\n 東1局\r\n";
    std::vector<ReadGame> games = readLogGames(broken + plainGame("卓(点200)：次>"));
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].lobby, "卓");
    EXPECT_EQ(games[0].entry.rate, 200);
    EXPECT_EQ(games[0].room, "次");

    // Any number of abandoned entries in a row is handled without nesting.
    std::string many;
    for (int i = 0; i < 100000; i++) many += broken;
    EXPECT_EQ(readLogGames(many + plainGame()).size(), 1u);
}

TEST(GameEntryParser, LinesOfAnEntryAreTakenByPosition)
{
    struct Case {
        std::string log;
        int games;
        long long scoreSum;
        const char* rule;
    };
    const std::string result = resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}});
    const Case cases[] = {
        {"<卓：卓>\r\n<1\r\n[2024/03/15 21:05]\r\n#Me\r\n#A\r\n#B\r\n#C\r\n" + result + "\r\n", 1, 30,
         "a < in the flag line's place is the flag line"},
        {gameEntry("卓：卓>", '1', {"A", "Me", "B", "Me"}, result), 1, -25,
         "a player seated twice counts at the later seat"},
        {gameEntry("卓：卓>", '1', {"Me", "A", "B", "C"}, result, {"#X", "=Y", " 東1局", ""}), 1, 30,
         "body lines of any content are skipped"},
        {plainGame() + gameEntry("卓：卓>", '1', {"Me", "A", "B", "C"}, ""), 1, 30,
         "a log ending inside an entry drops it"},
        {plainGame() + "<卓：卓>\r\n 1\r\n", 1, 30, "a log ending in the date line"},
        {plainGame() + "<卓：卓>\r\n 1\r\n[d]\r\n#Me\r\n#A\r\n#B\r\n#C\r\n" + result,
         1, 30, "a result line without line break at the end of the log is not used"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        useTestSettings();
        std::vector<ReadGame> games = readLogGames(c.log);
        EXPECT_EQ((int)games.size(), c.games);
        EXPECT_EQ(playerScoreSum(games), c.scoreSum);
    }
}

TEST(GameEntryParser, NamesAreReadLikeTheScanfFormat)
{
    struct Case {
        const char* playerLine;
        const char* id;
        int found;
        const char* rule;
    };
    const Case cases[] = {
        {"#Me 初段", "Me", 1, "the name ends at white space"},
        {"#  \tMe", "Me", 1, "white space after # is skipped"},
        {"#me", "Me", 0, "case-sensitive"},
        {"#ABCDEFGHIJKL", "ABCDEFGHIJKL", 1, "12 bytes are the whole name"},
        {"#ABCDEFGHIJKLM", "ABCDEFGHIJKLM", 1, "a 13-byte ID matches the whole name"},
        {"#ABCDEFGHIJKLM", "ABCDEFGHIJKL", 1, "the cut name matches its first 12 bytes"},
        {"#山田太郎ですよね", "山田太郎です", 1, "cut at 12 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        useTestSettings();
        copyText(settings.currentId, sizeof settings.currentId, c.id);
        std::string log = "<卓：卓>\r\n 1\r\n[2024/03/15 21:05]\r\n" + std::string(c.playerLine) +
                          "\r\n#A\r\n#B\r\n#C\r\n" + resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}}) + "\r\n";
        EXPECT_EQ((int)readLogGames(log).size(), c.found);
    }
}

TEST(GameEntryParser, DateAndTimeAreTakenAsTheyStand)
{
    struct Case {
        const char* dateLine;
        const char* fields;
        const char* rule;
    };
    const Case cases[] = {
        {"[2024/03/15 21:05]", "2024/03/15\t21:05", "bytes 1 to 10 and 12 to 16"},
        {"xabcdefghijKlmnopq", "abcdefghij\tlmnop", "no validation"},
        {"[2024/03", "2024/03\t", "a short line gives shorter texts"},
        {"", "\t", "an empty line gives empty texts"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        useTestSettings();
        std::string log = "<卓：卓>\r\n 1\r\n" + std::string(c.dateLine) + "\r\n#Me\r\n#A\r\n#B\r\n#C\r\n" +
                          resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}}) + "\r\n";
        std::vector<ReadGame> games = readLogGames(log);
        ASSERT_EQ(games.size(), 1u);
        EXPECT_EQ(std::string(games[0].entry.date) + "\t" + games[0].entry.time, c.fields);
    }
}
