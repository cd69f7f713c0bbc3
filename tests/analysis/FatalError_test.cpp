#include "analysis/FatalError.h"

#include "analysis/OpponentTable.h"
#include "support/GameLogText.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>
#include <stdio.h>
#include <string>

TEST(FatalErrorDeathTest, ShowsTheFormattedMessageAndEnds)
{
    RunFolder folder;
    EXPECT_EXIT(
        {
            findOrAddOpponent("someone");
            fatalError("%s%d", "牌譜", 7);
        },
        ::testing::ExitedWithCode(1), "message: " + hexOf("牌譜7"));
    std::string longText(300, 'x');
    EXPECT_EXIT(fatalError("%s", longText.c_str()), ::testing::ExitedWithCode(1),
                "message: " + hexOf(std::string(255, 'x')) + "\n");
}

static void firstCleanup(void)
{
    fputs("cleanup: first\n", stderr);
}

static void secondCleanup(void)
{
    fputs("cleanup: second\n", stderr);
}

TEST(FatalErrorDeathTest, CallsEachRegisteredCleanupOnceInOrderAfterTheMessage)
{
    EXPECT_EXIT(
        {
            onFatalError(firstCleanup);
            onFatalError(secondCleanup);
            onFatalError(firstCleanup);   // a run registers its cleanups at every start
            fatalError("%s", "x");
        },
        ::testing::ExitedWithCode(1), "message: 78\ncleanup: first\ncleanup: second\n$");
}
