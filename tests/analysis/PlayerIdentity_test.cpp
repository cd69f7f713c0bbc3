#include "analysis/PlayerIdentity.h"

#include <gtest/gtest.h>

// IDs of 13 to 15 bytes were never found, as the name was cut to 12 bytes before the comparison.
TEST(PlayerIdentity, LongIdsMatchTheWholeNameShortOnesTheSeatsName)
{
    struct Case {
        const char* line;
        const char* id;
        int matches;
        const char* rule;
        const char* also = nullptr;   // further IDs, ";"-terminated
    };
    const Case cases[] = {
        {"#ABCDEFGHIJKL 初段\n", "ABCDEFGHIJKL", 1, "12 bytes: exactly"},
        {"#ABCDEFGHIJKLM 初段\n", "ABCDEFGHIJKLM", 1, "13 bytes: the whole name"},
        {"# \tABCDEFGHIJKLMNO\n", "ABCDEFGHIJKLMNO", 1, "15 bytes, after white space"},
        {"#ABCDEFGHIJKLMN 初段\n", "ABCDEFGHIJKL", 1, "a 12-byte ID still matches a longer name's first 12 bytes"},
        {"#ABCDEFGHIJKLXY\n", "ABCDEFGHIJKLMN", 0, "a 14-byte ID against another 14-byte name with the same 12"},
        {"#ABCDEFGHIJKLMN\n", "ABCDEFGHIJKLM", 0, "a 13-byte ID is no prefix of a longer name"},
        {"#ABCDEFGHIJKLM\n", "ABCDEFGHIJKLMN", 0, "nor the longer ID of a shorter name"},
        {"#Me\n", "Mee", 0, "a short ID matches only its whole name"},
        {"#\n", "", 0, "no name, no match"},
        {"#Alt 初段\n", "Me", 1, "a further ID seats the player", "Alt;"},
        {"#ABCDEFGHIJKLMN\n", "Me", 1, "a further ID of 14 bytes: the whole name", "Alt;ABCDEFGHIJKLMN;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        PlayerIdentity player;
        setPlayerIdentity(&player, c.id);
        if (c.also) addPlayerIdList(&player, c.also);
        EXPECT_EQ(playerLineSeatsPlayer(&player, c.line), c.matches);
    }
}
