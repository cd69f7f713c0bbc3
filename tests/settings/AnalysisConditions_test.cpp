#include "settings/AnalysisConditions.h"

#include "text/Messages.h"

#include <gtest/gtest.h>
#include <string>

TEST(AnalysisConditions, TypedDaysAreStoredAsYearMonthDayOrRefused)
{
    struct Case { const char* typed; const char* stored; const char* refusal; const char* rule; };
    const Case cases[] = {
        { "2024/03/05", "2024/03/05", NULL, "the stored form" },
        { "2024-03-05", "2024/03/05", NULL, "hyphens" },
        { "2024/3/5", "2024/03/05", NULL, "one-digit month and day" },
        { " 2024/12/31 ", "2024/12/31", NULL, "spaces around" },
        { "", "", NULL, "empty: an open end" },
        { "   ", "", NULL, "spaces only: an open end" },
        { "2024/02/29", "2024/02/29", NULL, "a leap day" },
        { "2000/02/29", "2000/02/29", NULL, "a leap day of a 400th year" },
        { "2024/02/30", NULL, MESSAGE_DATE_IMPOSSIBLE, "the 30th of February" },
        { "2023/02/29", NULL, MESSAGE_DATE_IMPOSSIBLE, "no leap year" },
        { "1900/02/29", NULL, MESSAGE_DATE_IMPOSSIBLE, "a 100th year is none" },
        { "2024/13/01", NULL, MESSAGE_DATE_IMPOSSIBLE, "month 13" },
        { "2024/04/31", NULL, MESSAGE_DATE_IMPOSSIBLE, "the 31st of April" },
        { "2024/00/10", NULL, MESSAGE_DATE_IMPOSSIBLE, "month 0" },
        { "2024/3-5", NULL, MESSAGE_DATE_FORM, "mixed separators" },
        { "24/03/05", NULL, MESSAGE_DATE_FORM, "a two-digit year" },
        { "2024/003/05", NULL, MESSAGE_DATE_FORM, "three month digits" },
        { "2024.03.05", NULL, MESSAGE_DATE_FORM, "dots" },
        { "2024/03/05x", NULL, MESSAGE_DATE_FORM, "text after the day" },
        { "2024/03", NULL, MESSAGE_DATE_FORM, "no day" },
        { "２０２４/03/05", NULL, MESSAGE_DATE_FORM, "full-width digits" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        char date[DATE_SIZE] = "kept";
        EXPECT_EQ(readDateInput(c.typed, date), c.refusal);
        EXPECT_STREQ(date, c.stored ? c.stored : "kept");
    }
}

TEST(AnalysisConditions, APeriodEndsNotBeforeItStarts)
{
    EXPECT_EQ(checkPeriod("2024/01/01", "2024/01/01"), nullptr);
    EXPECT_EQ(checkPeriod("2024/01/01", ""), nullptr);
    EXPECT_EQ(checkPeriod("", "2024/01/01"), nullptr);
    EXPECT_EQ(checkPeriod("2024/01/02", "2024/01/01"), MESSAGE_PERIOD_REVERSED);
}

TEST(AnalysisConditions, LobbyListsHoldWholeItemsOnce)
{
    char list[12] = "";
    EXPECT_EQ(addListItem(list, sizeof list, "上級"), nullptr);
    EXPECT_EQ(addListItem(list, sizeof list, "上級"), nullptr) << "already there";
    EXPECT_EQ(addListItem(list, sizeof list, "abc"), nullptr);
    EXPECT_STREQ(list, "上級;abc;");
    EXPECT_EQ(addListItem(list, sizeof list, "de"), MESSAGE_TOO_MANY_LOBBIES) << "9 + 3 bytes need 13";
    EXPECT_EQ(addListItem(list, sizeof list, "a;b"), MESSAGE_LOBBY_UNLISTABLE);
    EXPECT_EQ(addListItem(list, sizeof list, ""), MESSAGE_LOBBY_UNLISTABLE);
    EXPECT_STREQ(list, "上級;abc;");
    EXPECT_TRUE(listHoldsItem(list, "abc", 3));
    EXPECT_FALSE(listHoldsItem(list, "ab", 2)) << "whole items only";
    EXPECT_FALSE(listHoldsItem(list, "上", 2));

    struct Case { const char* text; int list; };
    const Case cases[] = { { "", 1 }, { "a;", 1 }, { "a;b;", 1 }, { "a", 0 }, { ";", 0 }, { "a;;b;", 0 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isItemList(c.text), c.list);
    }
}
