#include "settings/IdList.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <string>

// The list in use as "A|B|C" (slot 0 first), so a whole list compares in one expectation.
static std::string listInUse(void)
{
    std::string joined;
    for (unsigned i = 0; i < settings.idCount; i++) {
        if (i) joined += "|";
        joined += settings.idList[i];
    }
    return joined;
}

// Sets the list from "A|B|C"; "" is the empty list.
static void setList(const std::string& joined)
{
    resetSettings();
    if (joined.empty()) return;
    size_t start = 0;
    for (;;) {
        size_t bar = joined.find('|', start);
        std::string id = joined.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
        copyText(settings.idList[settings.idCount++], ID_SIZE, id.c_str());
        if (bar == std::string::npos) return;
        start = bar + 1;
    }
}

TEST(IdList, ParseSplitsAtEverySemicolon)
{
    struct Case { const char* text; const char* list; const char* rule; };
    const Case cases[] = {
        { "", "", "empty line: no IDs" },
        { "abc;", "abc", "a trailing ; adds nothing" },
        { "abc", "abc", "the last ID needs no ;" },
        { "a;b;c;", "a|b|c", "order kept, most recent first" },
        { ";", "", "; alone gives one empty slot" },
        { "a;;b;", "a||b", ";; in the middle gives an empty slot" },
        { "a;b;;", "a|b|", ";; at the end gives an empty last slot" },
        { "0123456789abcdefgh;x;", "0123456789abcde|x", "each ID cut to 15 bytes" },
        { "1;2;3;4;5;6;7;8;9;10;11;12;", "1|2|3|4|5|6|7|8|9|10", "more than 10 IDs keep the first 10" },
        { "1;2;3;4;5;6;7;8;9;10;11", "1|2|3|4|5|6|7|8|9|10", "an 11th ID without ; is dropped too" },
        { "1;2;3;4;5;6;7;8;9;10", "1|2|3|4|5|6|7|8|9|10", "exactly 10 IDs" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        resetSettings();
        parseIdList(c.text);
        EXPECT_EQ(listInUse(), c.list);
    }
    resetSettings();
    parseIdList(";");
    EXPECT_EQ(settings.idCount, 1u);
}

TEST(IdList, ParseLeavesSlotsPastTheListAlone)
{
    setList("a|b|c");
    parseIdList("x;");
    EXPECT_EQ(settings.idCount, 1u);
    EXPECT_STREQ(settings.idList[1], "b");
}

TEST(IdList, RememberMovesOrInserts)
{
    struct Case { const char* before; const char* id; const char* after; const char* rule; };
    const Case cases[] = {
        { "", "A", "A", "first ID into an empty list" },
        { "A", "B", "B|A", "new ID on top" },
        { "B|A", "C", "C|B|A", "runs of A, B, C give C, B, A" },
        { "C|B|A", "C", "C|B|A", "ID already on top: unchanged" },
        { "C|B|A", "A", "A|C|B", "last ID moves to the top" },
        { "0|1|2|3|4|5|6", "4", "4|0|1|2|3|5|6", "slot 4 to slot 0; slots above move down, below stay" },
        { "0|1|2|3|4|5|6|7|8|9", "new", "new|0|1|2|3|4|5|6|7|8", "full list drops slot 9" },
        { "0|1|2|3|4|5|6|7|8|9", "9", "9|0|1|2|3|4|5|6|7|8", "full list: slot 9 moves up, nothing lost" },
        { "abc|x", "ABC", "ABC|abc|x", "letter case makes a new ID" },
        { "A|B", "", "|A|B", "an empty ID is stored on top" },
        { "A|B", "ここにIDを入力", "A|B", "the placeholder is never stored" },
        { "", "ここにIDを入力", "", "not even into an empty list" },
        { "A||B", "B", "B|A|", "an empty slot from the file moves down like any ID" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        setList(c.before);
        copyText(settings.currentId, sizeof settings.currentId, c.id);
        rememberCurrentId();
        EXPECT_EQ(listInUse(), c.after);
        EXPECT_STREQ(settings.currentId, c.id);
    }
}

TEST(IdList, ClearEmptiesTheListButNotTheCurrentId)
{
    setList("A|B|C");
    copyText(settings.currentId, sizeof settings.currentId, "B");
    clearIdList();
    EXPECT_EQ(settings.idCount, 0u);
    EXPECT_STREQ(settings.idList[0], "");
    EXPECT_STREQ(settings.idList[2], "");
    EXPECT_STREQ(settings.currentId, "B");

    rememberCurrentId();
    EXPECT_EQ(listInUse(), "B");
}
