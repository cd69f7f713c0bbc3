#include "analysis/Conditions.h"

#include "analysis/GameEntryParser.h"
#include "settings/AnalysisConditions.h"
#include "settings/Settings.h"
#include "text/Text.h"

#include <stdio.h>
#include <string.h>

static int inPeriod(const GameEntry* game)
{
    if (!settings.firstDay[0] && !settings.lastDay[0]) return 1;
    if (!isWellFormedDate(game->date)) return 0;
    if (settings.firstDay[0] && strcmp(game->date, settings.firstDay) < 0) return 0;
    return !settings.lastDay[0] || strcmp(game->date, settings.lastDay) <= 0;
}

static void periodWords(char* part, size_t size)
{
    snprintf(part, size, "%s～%s", settings.firstDay, settings.lastDay);
}

static int inLobbies(const GameEntry* game)
{
    if (!settings.lobbies[0]) return 1;
    return game->lobby && listHoldsItem(settings.lobbies, game->lobby, entryLobbyLength(game));
}

// "ロビー：" and the lobbies of the list joined by "・".
static void lobbyWords(char* part, size_t size)
{
    copyText(part, size, "ロビー：");
    for (const char* item = settings.lobbies; *item;) {
        size_t length = strcspn(item, ";");
        if (item != settings.lobbies) appendText(part, size, "・");
        size_t used = strlen(part);
        copyTextN(part + used, size - used, item, length);
        item += length + (item[length] == ';');
    }
}

static int hasGameLength(const GameEntry* game)
{
    if (settings.gameLength == LENGTH_TONPU) return game->gameLength == '0';
    if (settings.gameLength == LENGTH_HANCHAN) return game->gameLength != '0';
    return 1;
}

static void lengthWords(char* part, size_t size)
{
    copyText(part, size, settings.gameLength == LENGTH_TONPU ? "東風戦" : "半荘戦");
}

static int hasSeats(const GameEntry* game)
{
    return !settings.seats || game->seatCount == settings.seats;
}

static void seatsWords(char* part, size_t size)
{
    copyText(part, size, settings.seats == 3 ? "3人打ち" : "4人打ち");
}

const Condition conditions[] = {
    // its settings' tags, the test of a game, its words
    { { "開始日", "終了日" }, inPeriod, periodWords },
    { { "ロビー", NULL }, inLobbies, lobbyWords },
    { { "対局", NULL }, hasGameLength, lengthWords },
    { { "人数", NULL }, hasSeats, seatsWords },
};

const int CONDITION_COUNT = sizeof conditions / sizeof conditions[0];

int conditionIsSet(const Condition* condition)
{
    for (const char* tag : condition->tags) {
        const SettingDescriptor* setting = tag ? findSetting(tag) : NULL;
        if (setting && settingIsSet(setting)) return 1;
    }
    return 0;
}

int selectionConditionsSet(void)
{
    for (int i = 0; i < CONDITION_COUNT; i++)
        if (conditionIsSet(&conditions[i])) return 1;
    return 0;
}

void clearConditions(void)
{
    for (int i = 0; i < CONDITION_COUNT; i++) {
        for (const char* tag : conditions[i].tags) {
            const SettingDescriptor* setting = tag ? findSetting(tag) : NULL;
            if (setting) resetSetting(setting);
        }
    }
    // The tolerant reading selects nothing, but the dialog's clear turns it off with the conditions.
    settings.skipBroken = 0;
}

void formatConditions(char* out, size_t size)
{
    if (size) out[0] = '\0';
    if (!selectionConditionsSet()) return;
    int parts = 0;
    char part[CONDITION_PART_SIZE];
    appendText(out, size, "分析条件：");
    for (int i = 0; i < CONDITION_COUNT; i++) {
        if (!conditionIsSet(&conditions[i])) continue;
        conditions[i].words(part, sizeof part);
        if (parts++) appendText(out, size, "、");
        appendText(out, size, part);
    }
}
