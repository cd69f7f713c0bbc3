#include "settings/Settings.h"

#include "text/Messages.h"

#include <string.h>

Settings settings;
Settings settingsBackup;

const char DEFAULT_LOG_PATH[] = "C:\\Kalvento\\JAPANESE\\Zentolog.txt";

static const SettingWord GAME_LENGTH_WORDS[] = {
    { "tonpu", LENGTH_TONPU }, { "東風", LENGTH_TONPU }, { "hanchan", LENGTH_HANCHAN }, { "半荘", LENGTH_HANCHAN },
    { NULL, 0 },
};

#define TEXT_FIELD(name) (void*)settings.name, sizeof settings.name

const SettingDescriptor settingDescriptors[] = {
    // tag, kind, field (and size), default text, default number, low, high, presence, option, its words
    { "KalventoID", SETTING_ID_LIST, NULL, 0, NULL, 0, 0, 0, ALWAYS_WRITTEN, NULL, NULL, NULL },
    { "牌譜ファイル", SETTING_TEXT, TEXT_FIELD(logPath), DEFAULT_LOG_PATH, 0, 0, 0, ALWAYS_WRITTEN, NULL, NULL, NULL },
    { "最低レート", SETTING_NUMBER, &settings.minRate, 0, NULL, DEFAULT_MIN_RATE, INT_MIN, INT_MAX,
      ALWAYS_WRITTEN, "--min", NULL, NULL },
    { "最高レート", SETTING_NUMBER, &settings.maxRate, 0, NULL, DEFAULT_MAX_RATE, INT_MIN, INT_MAX,
      ALWAYS_WRITTEN, "--max", NULL, NULL },
    { "設定保存", SETTING_FLAG, &settings.saveOnExit, 0, NULL, 1, 0, 1, ALWAYS_WRITTEN, NULL, NULL, NULL },
    { "デスクトップ保存", SETTING_FLAG, &settings.reportOnDesktop, 0, NULL, 0, 0, 1, ALWAYS_WRITTEN, NULL, NULL, NULL },
    { "配色", SETTING_NUMBER, &settings.colorScheme, 0, NULL, DEFAULT_COLOR_SCHEME, 0, COLOR_SCHEME_COUNT - 1,
      ALWAYS_WRITTEN, "--scheme", NULL, NULL },
    { "推移グラフ", SETTING_FLAG, &settings.trendCharts, 0, NULL, 0, 0, 1, WRITTEN_WHEN_SET, "--trends", NULL, NULL },
    { "開始日", SETTING_DATE, TEXT_FIELD(firstDay), "", 0, 0, 0, WRITTEN_WHEN_SET, "--from", NULL, NULL },
    { "終了日", SETTING_DATE, TEXT_FIELD(lastDay), "", 0, 0, 0, WRITTEN_WHEN_SET, "--to", NULL, NULL },
    { "ロビー", SETTING_LIST, TEXT_FIELD(lobbies), "", 0, 0, 0, WRITTEN_WHEN_SET, "--lobby", NULL, NULL },
    { "対局", SETTING_NUMBER, &settings.gameLength, 0, NULL, 0, LENGTH_TONPU, LENGTH_HANCHAN, WRITTEN_WHEN_SET,
      "--length", GAME_LENGTH_WORDS, CLI_BAD_LENGTH },
    { "人数", SETTING_NUMBER, &settings.seats, 0, NULL, 0, 3, 4, WRITTEN_WHEN_SET, "--players", NULL, NULL },
    { "壊れた対局", SETTING_FLAG, &settings.skipBroken, 0, NULL, 0, 0, 1, WRITTEN_WHEN_SET, "--skip-bad", NULL, NULL },
    { "詳しい成績", SETTING_FLAG, &settings.details, 0, NULL, 0, 0, 1, WRITTEN_WHEN_SET, "--details", NULL, NULL },
    { "対戦相手別", SETTING_FLAG, &settings.rivals, 0, NULL, 0, 0, 1, WRITTEN_WHEN_SET, "--rivals", NULL, NULL },
    { "別のID", SETTING_ALSO_IDS, TEXT_FIELD(alsoIds), NULL, 0, 0, 0, WRITTEN_WHEN_SET, "--also-id", NULL, NULL },
};

#undef TEXT_FIELD

const int SETTING_COUNT = sizeof settingDescriptors / sizeof settingDescriptors[0];

void resetSettings(void)
{
    memset(&settings, 0, sizeof settings);
    settings.saveOnExit = 1;
}

void applyDefaults(void)
{
    for (const SettingDescriptor& setting : settingDescriptors) {
        int text = setting.kind == SETTING_TEXT || setting.kind == SETTING_DATE || setting.kind == SETTING_LIST ||
                   setting.kind == SETTING_ALSO_IDS;
        if (text && setting.defaultText)
            copyText((char*)setting.field, setting.size, setting.defaultText);
        if (setting.kind == SETTING_NUMBER || setting.kind == SETTING_FLAG)
            *(int*)setting.field = setting.defaultNumber;
    }
}

const SettingDescriptor* findSetting(const char* tag)
{
    for (const SettingDescriptor& setting : settingDescriptors)
        if (strcmp(setting.tag, tag) == 0) return &setting;
    return NULL;
}

static int isText(const SettingDescriptor* setting)
{
    return setting->kind == SETTING_TEXT || setting->kind == SETTING_DATE || setting->kind == SETTING_LIST ||
           setting->kind == SETTING_ALSO_IDS;
}

int settingIsSet(const SettingDescriptor* setting)
{
    if (!setting->field) return 0;
    return isText(setting) ? ((const char*)setting->field)[0] != '\0' : *(const int*)setting->field != 0;
}

void resetSetting(const SettingDescriptor* setting)
{
    if (!setting->field) return;
    if (isText(setting))
        copyText((char*)setting->field, setting->size, setting->defaultText ? setting->defaultText : "");
    else
        *(int*)setting->field = setting->defaultNumber;
}

void takeBackup(void)
{
    settingsBackup = settings;
}

void restoreBackup(void)
{
    Settings kept = settings;
    settings = settingsBackup;
    memcpy(settings.idList, kept.idList, sizeof settings.idList);
    memcpy(settings.keptAlsoIds, kept.keptAlsoIds, sizeof settings.keptAlsoIds);
    settings.idCount = kept.idCount;
}
