#include "platform/GrowingBlock.h"

#include <gtest/gtest.h>
#include <stdint.h>
#include <string.h>

static int allZero(const char* bytes, size_t length)
{
    for (size_t i = 0; i < length; i++)
        if (bytes[i]) return 0;
    return 1;
}

TEST(GrowingBlock, GrowsInPlaceKeepingItsBytesAndMovesOnlyBeyondItsReservation)
{
    GrowingBlock block = {};
    ASSERT_EQ(growBlock(&block, 1), 1);
    char* start = block.start;
    EXPECT_EQ((uintptr_t)start % (2 * 1024 * 1024), 0u);
    EXPECT_EQ(block.usable, 64u * 1024) << "small steps of 64 KB";
    memset(start, 'a', block.usable);

    // Across the 2 MB mark, then in 2 MB steps; fresh bytes read zero.
    for (size_t bytes : { (size_t)64 * 1024 + 1, (size_t)2 * 1024 * 1024 + 1, (size_t)9 * 1024 * 1024 }) {
        size_t before = block.usable;
        ASSERT_EQ(growBlock(&block, bytes), 1) << bytes;
        EXPECT_EQ(block.start, start) << "in place";
        EXPECT_GE(block.usable, bytes);
        EXPECT_EQ(block.usable % (bytes > 2 * 1024 * 1024 ? 2 * 1024 * 1024 : 64 * 1024), 0u);
        EXPECT_TRUE(allZero(start + before, block.usable - before));
        EXPECT_EQ(start[before - 1], 'a');
        memset(start + before, 'a', block.usable - before);
    }
    EXPECT_EQ(growBlock(&block, 100), 1) << "smaller: nothing to do";
    EXPECT_EQ(block.usable, (size_t)10 * 1024 * 1024);

    // Beyond the first gigabyte it moves, once, into four times as much; its bytes go with it.
    size_t usable = block.usable;
    size_t large = block.reserved + 1;
    ASSERT_EQ(growBlock(&block, large), 1);
    EXPECT_GE(block.reserved, 4 * large);
    EXPECT_GE(block.usable, large);
    EXPECT_EQ(block.start[0], 'a');
    EXPECT_EQ(block.start[usable - 1], 'a');
    EXPECT_EQ(block.start[usable], 0);

    EXPECT_EQ(growBlock(&block, SIZE_MAX - 100), 0) << "an impossible size fails";
    EXPECT_EQ(block.usable % (2 * 1024 * 1024), 0u) << "and leaves the block as it was";
    EXPECT_EQ(block.start[usable - 1], 'a');

    releaseBlock(&block);
    EXPECT_EQ(block.start, nullptr);
    EXPECT_EQ(block.usable, 0u);
    ASSERT_EQ(growBlock(&block, 10), 1) << "a released block grows again";
    EXPECT_EQ(block.start[0], 0);
    releaseBlock(&block);
}
