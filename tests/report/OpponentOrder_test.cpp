#include "report/OpponentOrder.h"

#include "analysis/RunState.h"
#include "report/OpponentSections.h"
#include "support/ReportCapture.h"

TEST(OpponentOrder, EachComparisonPutsTheLargestKeyFirst)
{
    struct Case {
        std::vector<OpponentRecord> records;
        OpponentComparison compare;
        std::vector<std::string> order;
        const char* rule;
    } cases[] = {
        { { opponent("a", 3, 0, 3, 0), opponent("b", 12, 0, 12, 0), opponent("c", 7, 0, 7, 0) }, compareByGames,
          { "b", "c", "a" }, "most games first" },
        { { opponent("a", 1, 1, 0, 100.2f), opponent("b", 1, 1, 0, 101.5f) }, compareByBalance,
          { "b", "a" }, "101.5 before 100.2" },
        { { opponent("a", 1, 1, 0, 100.9f), opponent("b", 1, 1, 0, 100.2f) }, compareByBalance,
          { "a", "b" }, "balances less than a yen apart are still ordered" },
        { { opponent("a", 1, 0, 1, -5000), opponent("b", 1, 0, 1, -10) }, compareByBalance,
          { "b", "a" }, "-10 before -5,000" },
        { { opponent("zero", 4, 2, 2, 0), opponent("minus", 4, 0, 4, 0), opponent("plus", 4, 3, 1, 0) },
          compareByMargin, { "plus", "zero", "minus" }, "a margin of 0 between the positive and the negative ones" },
        { { opponent("a", 5, 2, 3, 0), opponent("b", 9, 4, 5, 0), opponent("c", 9, 9, 0, 0) }, compareByGames,
          { "b", "c", "a" }, "equal keys keep their order" },
        { { opponent("low", 2, -2147483647 - 1, 2147483647, 0), opponent("high", 2, 2147483647, -2147483647 - 1, 0) },
          compareByMargin, { "high", "low" }, "margins beyond the 32-bit range do not wrap" },
        { { opponent("only", 1, 0, 1, -3) }, compareByBalance, { "only" }, "one record" },
        { {}, compareByGames, {}, "an empty table" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        setOpponents(c.records);
        sortOpponents(c.compare);
        EXPECT_EQ(opponentNames(), c.order);
    }
}

TEST(OpponentOrder, SameOrderAsAStableSortWithTheComparison)
{
    // Many equal keys, both signs, -0 beside 0, balances a fraction apart: every record must land
    // where a stable sort by the comparison puts it.
    unsigned state = 99;
    auto next = [&state]() { return (state = state * 1103515245u + 12345u) >> 16; };
    const float balances[] = { 0.0f, -0.0f, 0.25f, -0.25f, 1e9f, -1e9f, 3.5f, 1500.0f, -1500.0f };
    std::vector<OpponentRecord> records;
    for (int i = 0; i < 5000; i++) {
        char name[16];
        snprintf(name, sizeof name, "p%d", i);
        int above = (int)(next() % 7), below = (int)(next() % 7);
        records.push_back(opponent(name, above + below, above, below, balances[next() % 9]));
    }
    setOpponents(records);
    // A ranking picked from the table is the start (or the end, last first) of the same order, alone
    // or with the report's other lists in one pass.
    std::vector<int> order(records.size());
    OpponentPicks picks;
    pickShownOpponents(&picks);
    for (int kind = 0; kind < OPPONENT_ORDER_COUNT; kind++) {
        for (size_t i = 0; i < order.size(); i++) order[i] = (int)i;
        std::stable_sort(order.begin(), order.end(), [kind](int a, int b) { return opponentGoesBefore(kind, a, b); });
        for (int fromEnd : { 0, 1 }) {
            int shown = fromEnd ? opponentOrders[kind].shownLast : opponentOrders[kind].shownFirst;
            ASSERT_EQ(picks.count[kind][fromEnd], shown);
            for (int i = 0; i < shown; i++)
                ASSERT_EQ(picks.chosen[kind][fromEnd][i], fromEnd ? order[order.size() - 1 - i] : order[i]) << kind << i;
        }
        for (int fromEnd : { 0, 1 })
            for (int wanted : { 1, 20, MOST_PLAYED_COLUMN_ROWS * 2 }) {
                int chosen[MOST_PLAYED_COLUMN_ROWS * 2];
                ASSERT_EQ(pickOpponents(kind, wanted, fromEnd, chosen), wanted);
                for (int i = 0; i < wanted; i++)
                    ASSERT_EQ(chosen[i], fromEnd ? order[order.size() - 1 - i] : order[i]) << kind << fromEnd << i;
            }
    }
    // The per-opponent table's order: by counting the games, or by the sort key once one opponent has
    // more games than the counts have room for.
    for (int most : { 0, 1 << 20 }) {
        std::vector<OpponentRecord> table = records;
        if (most) table[4000].games = most;
        setOpponents(table);
        for (size_t i = 0; i < order.size(); i++) order[i] = (int)i;
        std::stable_sort(order.begin(), order.end(), [](int a, int b) { return opponentGoesBefore(ORDER_BY_GAMES, a, b); });
        const uint32_t* positions = orderOpponentsByGames();
        ASSERT_NE(positions, nullptr);
        for (size_t i = 0; i < order.size(); i++) ASSERT_EQ(positions[i], (uint32_t)order[i]) << most << " " << i;
    }
    setOpponents(records);
    for (OpponentComparison compare : { compareByGames, compareByBalance, compareByMargin, compareByGames }) {
        std::vector<OpponentRecord> expected(run.opponentTable.records, run.opponentTable.records + opponentCount(&run.opponentTable));
        std::stable_sort(expected.begin(), expected.end(),
                         [compare](const OpponentRecord& a, const OpponentRecord& b) { return compare(&a, &b) < 0; });
        sortOpponents(compare);
        for (int i = 0; i < opponentCount(&run.opponentTable); i++)
            ASSERT_STREQ(run.opponentTable.records[i].name, expected[i].name) << i;
    }
}

TEST(OpponentOrder, TablesOfChangingSizeOneAfterAnother)
{
    // The sort's working memory is kept from one table to the next; after a smaller table it must
    // not be taken for larger than it is (a heap overflow under the sanitizers).
    for (int n : { 5000, 100, 5000 }) {
        SCOPED_TRACE(n);
        std::vector<OpponentRecord> records;
        for (int i = 0; i < n; i++) records.push_back(opponent("x", i % 7, 0, 0, (float)(i % 13)));
        setOpponents(records);
        sortOpponents(compareByGames);
        for (int i = 1; i < n; i++) ASSERT_GE(run.opponentTable.records[i - 1].games, run.opponentTable.records[i].games);
    }
}
