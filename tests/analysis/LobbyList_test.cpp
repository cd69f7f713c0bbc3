#include "analysis/LobbyList.h"

#include "support/GameLogText.h"

#include <gtest/gtest.h>

TEST(LobbyList, ListsEveryLobbyWithItsEntries)
{
    RunFolder folder;
    useTestSettings();
    std::string other = gameEntry("上級(点200)：卓1>", '1', {"W", "X", "Y", "Z"}, ">1");
    std::string log = plainGame("一般(点50)：卓>") + other + "\n<上級(点300)：卓2>\r\n <flag\r\n<date\r\n" +
                      plainGame("一般：卓>") + "<壊れた見出し>\r\n 1\r\n[2024/03/15]\r\n" + plainGame(std::string(70, 'L') + "：卓>");
    writeBytes("log.txt", log);
    LogLobbies lobbies;
    ASSERT_EQ(listLogLobbies("log.txt", "Me", &lobbies), 1);
    ASSERT_EQ(lobbies.count, 3);
    EXPECT_STREQ(lobbies.rows[0].lobby, "一般");
    EXPECT_EQ(lobbies.rows[0].entries, 2) << "with a rate and without";
    EXPECT_STREQ(lobbies.rows[1].lobby, "上級");
    EXPECT_EQ(lobbies.rows[1].entries, 2) << "of any player; a < in the flag or date line is no entry";
    EXPECT_EQ(lobbies.rows[0].games, 2) << "an entry cut short by the next header leaves that one counted";
    EXPECT_EQ(lobbies.rows[1].games, 0) << "the ID's games only";
    EXPECT_EQ(std::string(lobbies.rows[2].lobby), std::string(70, 'L')) << "a header that can't be split is left out";
    EXPECT_EQ(lobbies.more, 0);
    EXPECT_EQ(lobbies.readToEnd, 1);
    EXPECT_EQ(listLogLobbies("missing.txt", NULL, &lobbies), 0);
    EXPECT_EQ(lobbies.count, 0);
}
