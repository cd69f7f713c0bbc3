#include "settings/Settings.h"

#include <string.h>

Settings settings;
SettingsBackup settingsBackup;

const char DEFAULT_LOG_PATH[] = "C:\\Kalvento\\JAPANESE\\Zentolog.txt";

void resetSettings(void)
{
    memset(&settings, 0, sizeof settings);
    settings.saveOnExit = 1;
}

void applyDefaults(void)
{
    settings.minRate = DEFAULT_MIN_RATE;
    settings.maxRate = DEFAULT_MAX_RATE;
    copyText(settings.logPath, sizeof settings.logPath, DEFAULT_LOG_PATH);
    settings.colorScheme = DEFAULT_COLOR_SCHEME;
    settings.saveOnExit = 1;
    settings.reportOnDesktop = 0;
    settings.trendCharts = 0;
}

void takeBackup(void)
{
    copyText(settingsBackup.currentId, sizeof settingsBackup.currentId, settings.currentId);
    copyText(settingsBackup.logPath, sizeof settingsBackup.logPath, settings.logPath);
    settingsBackup.minRate = settings.minRate;
    settingsBackup.maxRate = settings.maxRate;
    settingsBackup.saveOnExit = settings.saveOnExit;
    settingsBackup.reportOnDesktop = settings.reportOnDesktop;
    settingsBackup.colorScheme = settings.colorScheme;
    settingsBackup.trendCharts = settings.trendCharts;
}

void restoreBackup(void)
{
    copyText(settings.currentId, sizeof settings.currentId, settingsBackup.currentId);
    copyText(settings.logPath, sizeof settings.logPath, settingsBackup.logPath);
    settings.minRate = settingsBackup.minRate;
    settings.maxRate = settingsBackup.maxRate;
    settings.saveOnExit = settingsBackup.saveOnExit;
    settings.reportOnDesktop = settingsBackup.reportOnDesktop;
    settings.colorScheme = settingsBackup.colorScheme;
    settings.trendCharts = settingsBackup.trendCharts;
}
