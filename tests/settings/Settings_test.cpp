#include "settings/Settings.h"

#include <gtest/gtest.h>
#include <string.h>

TEST(Settings, DefaultsLeaveTheIdsAlone)
{
    resetSettings();
    copyText(settings.currentId, sizeof settings.currentId, "abc");
    copyText(settings.idList[0], sizeof settings.idList[0], "abc");
    settings.idCount = 1;
    settings.minRate = 7;
    settings.reportOnDesktop = 1;
    settings.colorScheme = 3;
    settings.saveOnExit = 0;
    settings.trendCharts = 1;
    settings.rivals = 1;
    applyDefaults();
    EXPECT_STREQ(settings.currentId, "abc");
    EXPECT_STREQ(settings.idList[0], "abc");
    EXPECT_EQ(settings.idCount, 1u);
    EXPECT_STREQ(settings.logPath, "C:\\Kalvento\\JAPANESE\\Zentolog.txt");
    EXPECT_EQ(settings.minRate, 0);
    EXPECT_EQ(settings.maxRate, 20000);
    EXPECT_EQ(settings.saveOnExit, 1);
    EXPECT_EQ(settings.reportOnDesktop, 0);
    EXPECT_EQ(settings.colorScheme, 0);
    EXPECT_EQ(settings.trendCharts, 0);
    EXPECT_EQ(settings.rivals, 0);
}

TEST(Settings, RestoreBringsBackTheBackedUpFieldsOnly)
{
    resetSettings();
    copyText(settings.currentId, sizeof settings.currentId, "first");
    copyText(settings.logPath, sizeof settings.logPath, "C:\\log.txt");
    settings.minRate = 50;
    settings.maxRate = 100;
    settings.colorScheme = 2;
    settings.trendCharts = 1;
    settings.rivals = 1;
    takeBackup();

    copyText(settings.currentId, sizeof settings.currentId, "second");
    copyText(settings.idList[0], sizeof settings.idList[0], "second");
    settings.idCount = 1;
    applyDefaults();
    settings.reportOnDesktop = 1;
    restoreBackup();
    restoreBackup();

    EXPECT_STREQ(settings.currentId, "first");
    EXPECT_STREQ(settings.logPath, "C:\\log.txt");
    EXPECT_EQ(settings.minRate, 50);
    EXPECT_EQ(settings.maxRate, 100);
    EXPECT_EQ(settings.colorScheme, 2);
    EXPECT_EQ(settings.trendCharts, 1);
    EXPECT_EQ(settings.rivals, 1);
    EXPECT_EQ(settings.saveOnExit, 1);
    EXPECT_EQ(settings.reportOnDesktop, 0);
    EXPECT_STREQ(settings.idList[0], "second");
    EXPECT_EQ(settings.idCount, 1u);
}
