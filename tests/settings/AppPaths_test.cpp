#include "settings/AppPaths.h"

#include <gtest/gtest.h>
#include <string>

TEST(AppPaths, JoinPathNeverCuts)
{
    struct Case { std::string folder; const char* name; std::string expected; const char* rule; };
    const Case cases[] = {
        { "C:\\a", "b.txt", "C:\\a\\b.txt", "folder, back-slash, name" },
        { "", "vornix", "\\vornix", "an empty folder gives the root" },
        { std::string(9, 'x'), "ab", std::string(9, 'x') + "\\ab", "exactly size - 1 bytes fit" },
        { std::string(10, 'x'), "ab", "", "one byte too many leaves it empty" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        char path[13];
        EXPECT_EQ(joinPath(path, sizeof path, c.folder.c_str(), c.name), c.expected.empty() ? 0 : 1);
        EXPECT_EQ(std::string(path), c.expected);
    }
    char inPlace[PATH_SIZE] = "C:\\a";
    joinPath(inPlace, sizeof inPlace, inPlace, "vornix");
    EXPECT_STREQ(inPlace, "C:\\a\\vornix");
}
