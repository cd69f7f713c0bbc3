#include "platform/GrowingBlock.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdint.h>
#include <string.h>

TEST(GrowingBlock, GrowsInPlaceKeepingItsBytesAndMovesOnlyBeyondItsReservation)
{
    const size_t MB = (size_t)1024 * 1024;
    GrowingBlock block = {};
    ASSERT_EQ(growBlock(&block, 1), 1);
    char* start = block.start;
    EXPECT_EQ((uintptr_t)start % (2 * MB), 0u);
    EXPECT_EQ(block.usable, 64u * 1024) << "small steps of 64 KB";
    memset(start, 'a', block.usable);
    // Across the 2 MB mark, then in 2 MB steps, in place; fresh bytes read zero.
    const size_t sizes[] = { 64 * 1024 + 1, 2 * MB + 1, 9 * MB, 100 };
    for (size_t bytes : sizes) {
        size_t before = block.usable;
        ASSERT_EQ(growBlock(&block, bytes), 1) << bytes;
        EXPECT_EQ(block.start, start);
        EXPECT_EQ(block.usable, std::max(before, bytes > 2 * MB ? (bytes + 2 * MB - 1) / (2 * MB) * (2 * MB) : 128 * 1024));
        EXPECT_EQ(std::count(start, start + block.usable, 0), (long)(block.usable - before));
        memset(start + before, 'a', block.usable - before);
    }
    // Beyond the reservation it moves, once, into four times as much; its bytes go with it.
    size_t usable = block.usable, large = block.reserved + 1;
    ASSERT_EQ(growBlock(&block, large), 1);
    EXPECT_GE(block.reserved, 4 * large);
    EXPECT_EQ(std::count(block.start, block.start + usable + 1, 'a'), (long)usable);
    EXPECT_EQ(growBlock(&block, SIZE_MAX - 100), 0) << "an impossible size fails, the block kept";
    EXPECT_EQ(std::count(block.start, block.start + usable, 'a'), (long)usable);
    releaseBlock(&block);
    EXPECT_EQ(growBlock(&block, 10), 1) << "a released block grows again";
    releaseBlock(&block);
}
