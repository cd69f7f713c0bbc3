#include "analysis/GameIntake.h"

#include "support/GameLogText.h"
#include "support/SelectionConditions.h"

#include <gtest/gtest.h>

// A game of "Me" on the date text, in the lobby of header, four seats or three.
static std::string gameOn(const std::string& date, const std::string& header, char flag, int seats)
{
    std::string log = "<" + header + "\r\n " + flag + ":対局\r\n[" + date + " 21:05]\r\n#Me\r\n#A\r\n#B\r\n";
    if (seats == 3) return log + "=三人打ち\r\n" + resultLine({{1, 30}, {2, 0}, {3, -30}}) + "\r\n";
    return log + "#C\r\n" + resultLine({{1, 30}, {2, 10}, {3, -15}, {4, -25}}) + "\r\n";
}

TEST(GameIntake, ConditionsSelectBesideTheRateRange)
{
    struct Case {
        SelectionConditions conditions;
        int maxRate;
        const char* date;
        const char* header;
        char flag;
        int gameSeats;
        int selected;
        const char* rule;
    };
    const char* upper = "上級(点100)：卓>";
    const Case cases[] = {
        {"2024/03/15", "", "", 0, 0, 20000, "2024/03/15", upper, '1', 4, 1, "the first day is inside"},
        {"2024/03/16", "", "", 0, 0, 20000, "2024/03/15", upper, '1', 4, 0, "the day before the first"},
        {"", "2024/03/15", "", 0, 0, 20000, "2024/03/15", upper, '1', 4, 1, "the last day is inside"},
        {"", "2024/03/14", "", 0, 0, 20000, "2024/03/15", upper, '1', 4, 0, "the day after the last"},
        {"2024/01/01", "2024/12/31", "", 0, 0, 100, "2024/03/15", upper, '1', 4, 1, "within period and range"},
        {"2024/01/01", "2024/12/31", "", 0, 0, 99, "2024/03/15", upper, '1', 4, 0, "within period, not range"},
        {"2024/01/01", "", "", 0, 0, 20000, "2024/3/15 ", upper, '1', 4, 0, "a date text not well-formed"},
        {"", "", "", 0, 0, 20000, "2024/3/15 ", upper, '1', 4, 1, "without a period any date text"},
        {"", "", "上級;", 0, 0, 20000, "2024/03/15", upper, '1', 4, 1, "the lobby"},
        {"", "", "一般;上級;", 0, 0, 20000, "2024/03/15", upper, '1', 4, 1, "one of several lobbies"},
        {"", "", "上;", 0, 0, 20000, "2024/03/15", upper, '1', 4, 0, "a lobby's beginning is no match"},
        {"", "", "上級 ;", 0, 0, 20000, "2024/03/15", upper, '1', 4, 0, "byte for byte"},
        {"", "", "上級;", 0, 0, 99, "2024/03/15", upper, '1', 4, 0, "the lobby, not the range"},
        {"", "", "", LENGTH_TONPU, 0, 20000, "2024/03/15", upper, '0', 4, 1, "東風戦: flag 0"},
        {"", "", "", LENGTH_TONPU, 0, 20000, "2024/03/15", upper, '1', 4, 0, "東風戦: not flag 1"},
        {"", "", "", LENGTH_HANCHAN, 0, 20000, "2024/03/15", upper, 'x', 4, 1, "半荘戦: any other flag"},
        {"", "", "", LENGTH_HANCHAN, 0, 99, "2024/03/15", upper, '1', 4, 0, "半荘戦, not the range"},
        {"", "", "", 0, 3, 20000, "2024/03/15", upper, '1', 3, 1, "three seats"},
        {"", "", "", 0, 3, 20000, "2024/03/15", upper, '1', 4, 0, "three seats: not four"},
        {"", "", "", 0, 4, 20000, "2024/03/15", upper, '1', 3, 0, "four seats: not three"},
        {"", "", "", 0, 4, 99, "2024/03/15", upper, '1', 4, 0, "four seats, not the range"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        useTestSettings();
        std::vector<ReadGame> games = readLogGames(gameOn(c.date, c.header, c.flag, c.gameSeats));
        ASSERT_EQ(games.size(), 1u);
        setConditions(c.conditions);
        settings.maxRate = c.maxRate;
        EXPECT_EQ(acceptGame(games[0].record(), &runIntake), c.selected);
    }
}
