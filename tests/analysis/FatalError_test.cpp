#include "analysis/FatalError.h"

#include "analysis/OpponentTable.h"
#include "support/GameLogText.h"
#include "support/RecordingPlatform.h"

#include <gtest/gtest.h>
#include <setjmp.h>
#include <stdio.h>
#include <string>

TEST(FatalErrorDeathTest, ShowsTheFormattedMessageAndEnds)
{
    RunFolder folder;
    EXPECT_EXIT(
        {
            findOrAddOpponent(&run.opponentTable, "someone");
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

static jmp_buf handled;
static std::string handledText;

static void handleFatalError(const char* text, int skippable)
{
    handledText = text + std::to_string(skippable);
    longjmp(handled, 1);
}

// The windowed program keeps running after a broken log: the handler gets the message instead.
TEST(FatalError, AHandlerTakesTheMessageInsteadOfTheProcessEnd)
{
    clearRecordings();
    setFatalErrorHandler(handleFatalError);
    if (setjmp(handled) == 0) fatalEntryError("%s%d", "x", 7);
    EXPECT_EQ(handledText, "x71") << "an entry the tolerant reading skips";
    if (setjmp(handled) == 0) fatalError("%s", "y");
    EXPECT_EQ(handledText, "y0");
    setFatalErrorHandler(NULL);
    EXPECT_TRUE(shownMessages.empty()) << "the handler shows the message";
}
