#include "analysis/Conditions.h"

#include "settings/Settings.h"

#include <gtest/gtest.h>

TEST(Conditions, DefaultsAndClearingTurnEveryConditionOff)
{
    resetSettings();
    copyText(settings.firstDay, sizeof settings.firstDay, "2024/01/01");
    copyText(settings.lobbies, sizeof settings.lobbies, "a;");
    settings.gameLength = LENGTH_HANCHAN;
    settings.seats = 3;
    settings.skipBroken = 1;
    EXPECT_TRUE(selectionConditionsSet());
    Settings set = settings;
    applyDefaults();
    EXPECT_FALSE(selectionConditionsSet());
    EXPECT_EQ(settings.skipBroken, 0);
    settings = set;
    clearConditions();
    EXPECT_FALSE(selectionConditionsSet());
    EXPECT_EQ(settings.skipBroken, 0);
    settings.skipBroken = 1;
    EXPECT_FALSE(selectionConditionsSet()) << "the tolerant reading selects nothing";
}
