#include "report/RivalChoice.h"

#include "analysis/RivalGames.h"
#include "report/OpponentOrder.h"
#include "support/ReportCapture.h"

static std::vector<std::string> rivalNames(void)
{
    std::vector<std::string> names;
    for (int i = 0; i < run.rivalGames.count; i++) names.push_back(run.rivalGames.rivals[i].name);
    return names;
}

TEST(RivalChoice, MostPlayedFirstThenTheOthersAsTheReportFirstShowsThem)
{
    struct Case {
        std::vector<OpponentRecord> records;
        std::vector<std::string> page;
        const char* rule;
    } cases[] = {
        { { opponent("a", 3, 1, 2, -5), opponent("b", 5, 4, 1, 10), opponent("c", 5, 0, 5, 0) }, { "b", "c", "a" },
          "fewer than 30: every opponent once, in games order, equal games in the order first met" },
        { {}, {}, "no opponent" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        resetRunStateForReport();
        setOpponents(c.records);
        EXPECT_EQ(chooseRivals(), (int)c.page.size());
        EXPECT_EQ(rivalNames(), c.page);
    }
    // 40 opponents of one game each and one of many: the big winner leads the most-played list, so
    // it is not repeated where the balance list shows it again.
    resetRunStateForReport();
    std::vector<OpponentRecord> records = { opponent("big", 9, 9, 0, 900) };
    for (int i = 1; i <= 40; i++) records.push_back(opponent(("p" + std::to_string(i)).c_str(), 1, 0, 1, -(float)i));
    setOpponents(records);
    chooseRivals();
    ASSERT_EQ(run.rivalGames.count, 41);
    EXPECT_EQ(rivalNames()[0], "big");
    EXPECT_EQ(rivalNames()[29], "p29") << "the top 20 by balance are all shown already";
    EXPECT_EQ(rivalNames()[30], "p40") << "then the worst 20 not shown yet, the lowest balance first";
    EXPECT_EQ(rivalNames()[40], "p30");
    EXPECT_EQ(findRival(&run.rivalGames, "p40"), 31);
}

TEST(RivalChoice, SameOpponentsAsTheReportsSortsWithoutMovingTheTable)
{
    unsigned state = 7;
    auto next = [&state]() { return (state = state * 1103515245u + 12345u) >> 16; };
    std::vector<OpponentRecord> records;
    for (int i = 0; i < 600; i++) {
        int above = (int)(next() % 5), below = (int)(next() % 5);
        float balance = (float)((int)(next() % 9) - 4) * 250.0f;
        records.push_back(opponent(("p" + std::to_string(i)).c_str(), above + below + 1, above, below + 1, balance));
    }
    resetRunStateForReport();
    setOpponents(records);
    chooseRivals();
    std::vector<std::string> page = rivalNames();
    EXPECT_EQ(opponentNames()[0], "p0") << "the table keeps the order first met";

    std::vector<std::string> expected;
    auto show = [&expected](int i) {
        std::string name = run.opponentTable.records[i].name;
        if (std::find(expected.begin(), expected.end(), name) == expected.end()) expected.push_back(name);
    };
    int n = opponentCount(&run.opponentTable);
    sortOpponents(compareByGames);
    for (int i = 0; i < 30; i++) show(i);
    for (OpponentComparison compare : { compareByBalance, compareByMargin }) {
        sortOpponents(compare);
        for (int i = 0; i < 20; i++) show(i);
        for (int i = 0; i < 20; i++) show(n - 1 - i);
    }
    EXPECT_EQ(page, expected);
}
