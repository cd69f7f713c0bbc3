#include "analysis/OpponentTable.h"

#include "analysis/FatalError.h"
#include "analysis/RunState.h"
#include "support/RecordingPlatform.h"
#include "text/Messages.h"

#include <gtest/gtest.h>
#include <string.h>
#include <string>
#include <sys/resource.h>
#include <vector>

// The reference: a scan of the names in insertion order, as the table must answer.
static int scanIndex(std::vector<std::string>& model, const std::string& name)
{
    for (size_t i = 0; i < model.size(); i++)
        if (model[i] == name) return (int)i;
    model.push_back(name);
    return (int)model.size() - 1;
}

TEST(OpponentTable, FirstOpponentAllocatesAndTheOneBeyondTheCapacityGrows)
{
    releaseOpponentTable(&run.opponentTable);
    clearOpponentTable(&run.opponentTable);
    EXPECT_EQ(run.opponentTable.capacity, 0);
    EXPECT_EQ(findOrAddOpponent(&run.opponentTable, "p0"), 0);
    int capacity = run.opponentTable.capacity;
    EXPECT_GE(capacity, 1024);
    for (int i = 1; i < capacity; i++) findOrAddOpponent(&run.opponentTable, ("p" + std::to_string(i)).c_str());
    run.opponentTable.records[5].games = 7;
    run.opponentTable.records[5].balance = -12.5f;
    EXPECT_EQ(run.opponentTable.capacity, capacity);

    EXPECT_EQ(findOrAddOpponent(&run.opponentTable, ("p" + std::to_string(capacity)).c_str()), capacity);
    EXPECT_GE(run.opponentTable.capacity, capacity + 1024);
    EXPECT_EQ(opponentCount(&run.opponentTable), capacity + 1);
    EXPECT_STREQ(run.opponentTable.records[5].name, "p5") << "records survive the growth";
    EXPECT_EQ(run.opponentTable.records[5].games, 7);
    EXPECT_EQ(run.opponentTable.records[5].balance, -12.5f);
    const OpponentRecord& added = run.opponentTable.records[capacity];
    EXPECT_STREQ(added.name, ("p" + std::to_string(capacity)).c_str());
    EXPECT_EQ(added.games + added.above + added.below, 0) << "a record added after growth starts at 0";
    EXPECT_EQ(added.moneyLost + added.moneyWon + added.balance, 0.0f);
    EXPECT_EQ(findOrAddOpponent(&run.opponentTable, "p5"), 5) << "lookups still find the old records";
}

TEST(OpponentTable, AnswersLikeAScanInInsertionOrder)
{
    // Names that repeat, differ only in case, or are prefixes of each other, over several growths.
    releaseOpponentTable(&run.opponentTable);
    clearOpponentTable(&run.opponentTable);
    std::vector<std::string> model;
    unsigned state = 12345;
    for (int step = 0; step < 20000; step++) {
        state = state * 1103515245u + 12345u;
        unsigned pick = (state >> 8) % 3000;
        std::string name = (pick % 2 ? "n" : "N") + std::to_string(pick / 2);
        int expected = scanIndex(model, name);
        ASSERT_EQ(findOrAddOpponent(&run.opponentTable, name.c_str()), expected) << name;
    }
    ASSERT_EQ(opponentCount(&run.opponentTable), (int)model.size());
    for (size_t i = 0; i < model.size(); i++) ASSERT_STREQ(run.opponentTable.records[i].name, model[i].c_str());
}

TEST(OpponentTable, AMillionDistinctOpponentsTakeLinearTime)
{
    // A scan per lookup would need some 5 * 10^11 name comparisons here.
    releaseOpponentTable(&run.opponentTable);
    clearOpponentTable(&run.opponentTable);
    char name[ID_SIZE];
    for (int i = 0; i < 1000000; i++) {
        snprintf(name, sizeof name, "o%d", i);
        ASSERT_EQ(findOrAddOpponent(&run.opponentTable, name), i);
    }
    EXPECT_EQ(findOrAddOpponent(&run.opponentTable, "o123456"), 123456);
    EXPECT_GE(run.opponentTable.capacity, 1000000);
    EXPECT_LE(run.opponentTable.capacity, 1100000) << "grown in steps of 2 MB at most";
}

TEST(OpponentTable, ClearingForANewRunKeepsTheStorage)
{
    releaseOpponentTable(&run.opponentTable);
    clearOpponentTable(&run.opponentTable);
    for (int i = 0; i < 1500; i++) findOrAddOpponent(&run.opponentTable, ("old" + std::to_string(i)).c_str());
    run.opponentTable.records[3].games = 9;
    OpponentRecord* storage = run.opponentTable.records;
    int capacity = run.opponentTable.capacity;

    clearOpponentTable(&run.opponentTable);
    EXPECT_EQ(opponentCount(&run.opponentTable), 0);
    EXPECT_EQ(run.opponentTable.capacity, capacity);
    EXPECT_EQ(run.opponentTable.records, storage);
    static const OpponentRecord zero = {};
    for (int i = 0; i < run.opponentTable.capacity; i++)
        ASSERT_EQ(memcmp(&run.opponentTable.records[i], &zero, sizeof zero), 0) << "record " << i;

    EXPECT_EQ(findOrAddOpponent(&run.opponentTable, "old3"), 0) << "names of the previous run are forgotten";
    EXPECT_EQ(findOrAddOpponent(&run.opponentTable, "new"), 1);
    EXPECT_EQ(run.opponentTable.records[0].games, 0);
}

#if !defined(__SANITIZE_ADDRESS__)
// The table claims a billion records, so growing it asks for some 40 GB; the address-space limit
// makes sure the request fails.
static void growBeyondMemory(void)
{
    releaseOpponentTable(&run.opponentTable);
    clearOpponentTable(&run.opponentTable);
    findOrAddOpponent(&run.opponentTable, "first");
    run.opponentTable.capacity = 1 << 30;
    run.opponentTable.lastUsed = run.opponentTable.capacity - 1;
    struct rlimit limit;
    limit.rlim_cur = limit.rlim_max = 4ull << 30;
    setrlimit(RLIMIT_AS, &limit);
    findOrAddOpponent(&run.opponentTable, "second");
}

TEST(OpponentTableDeathTest, GrowthWithoutMemoryIsFatal)
{
    EXPECT_EXIT(growBeyondMemory(), ::testing::ExitedWithCode(1), "message: " + hexOf(MESSAGE_OUT_OF_MEMORY));
}
#endif

TEST(OpponentTable, ReorderMovesEachRecordToItsPlaceAndKeepsTheCount)
{
    releaseOpponentTable(&run.opponentTable);
    clearOpponentTable(&run.opponentTable);
    for (const char* name : {"a", "b", "c", "d"}) findOrAddOpponent(&run.opponentTable, name);
    run.opponentTable.records[2].games = 5;
    // The high bits are the caller's; only the low 32 bits name the position.
    const uint64_t order[] = {2 | 7ull << 32, 0, 3 | 1ull << 40, 1};
    ASSERT_EQ(reorderOpponents(&run.opponentTable, order), 1);
    std::string names;
    for (int i = 0; i < opponentCount(&run.opponentTable); i++) names += run.opponentTable.records[i].name;
    EXPECT_EQ(names, "cadb");
    EXPECT_EQ(run.opponentTable.records[0].games, 5) << "whole records move";
    ASSERT_EQ(reorderOpponents(&run.opponentTable, order), 1) << "the gathering block serves again";
    names.clear();
    for (int i = 0; i < opponentCount(&run.opponentTable); i++) names += run.opponentTable.records[i].name;
    EXPECT_EQ(names, "dcba");
}
