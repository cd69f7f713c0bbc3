#include "settings/AlsoIds.h"
#include "settings/Settings.h"
#include "text/Messages.h"

#include <gtest/gtest.h>

// Typed IDs split at line breaks, "," and "、" (never inside a character), blanks around them dropped.
TEST(AlsoIds, TypedIdsAreSplitAndJudgedOneByOne)
{
    char list[ALSO_ID_LIST_SIZE], bad[ID_SIZE];
    EXPECT_EQ(readAlsoIdsInput(" B\r\nソ、C ,\r\n", "A", list, bad), nullptr);
    EXPECT_STREQ(list, "B;ソ;C;");
    EXPECT_EQ(readAlsoIdsInput("B、A", "A", list, bad), MESSAGE_ALSO_ID_IS_ID);
    EXPECT_STREQ(bad, "A");
}
