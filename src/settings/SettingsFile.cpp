#include "settings/SettingsFile.h"

#include "platform/OutputFile.h"
#include "platform/TextFile.h"
#include "platform/platform.h"
#include "settings/AlsoIds.h"
#include "settings/AnalysisConditions.h"
#include "settings/AppPaths.h"
#include "settings/IdList.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "text/Numbers.h"
#include "text/PlayerId.h"

#include <string.h>

// The file's lines are settingDescriptors (settings/Settings.h): the reader looks tags up there, the
// writer walks them in order.

// Reading

static const SettingDescriptor* findSettingLine(const char* name, size_t length)
{
    for (int i = 0; i < SETTING_COUNT; i++) {
        const SettingDescriptor* line = &settingDescriptors[i];
        if (strlen(line->tag) == length && memcmp(line->tag, name, length) == 0) return line;
    }
    return NULL;
}

// The ID line: the list, and currentId from its first ID (the placeholder when there is none).
static void readIdLine(const char* value)
{
    parseIdList(value);
    const char* first = settings.idCount ? settings.idList[0] : ID_PLACEHOLDER;
    copyText(settings.currentId, sizeof settings.currentId, first);
}

// A decimal number, truncated toward zero; one outside the setting's range reads as its default.
static int readNumber(const SettingDescriptor* line, const char* value)
{
    int number = readDecimal(value, NULL);
    return number >= line->low && number <= line->high ? number : line->defaultNumber;
}

// A day that reads as one (an empty value too) replaces the field; any other value leaves it.
static void readDate(const SettingDescriptor* line, const char* value)
{
    char date[DATE_SIZE];
    if (!readDateInput(value, date)) copyText((char*)line->field, line->size, date);
}

// A list that is one and fits whole replaces the field; any other value leaves it.
static void readList(const SettingDescriptor* line, const char* value)
{
    if (isItemList(value) && strlen(value) < line->size) copyText((char*)line->field, line->size, value);
}

// The current ID's further IDs: a list isAlsoIdList takes replaces the field; any other leaves it.
static void readAlsoIds(const SettingDescriptor* line, const char* value)
{
    if (isAlsoIdList(value, settings.currentId)) copyText((char*)line->field, line->size, value);
}

// The further IDs of the remembered ID key (length bytes), from a line "<tag:ID>B;C;</tag>"; a key
// that is no ID or a list isAlsoIdList refuses is ignored.
static void readKeptAlsoIds(const char* key, size_t length, const char* value)
{
    char id[ID_SIZE];
    if (length == 0 || length >= ID_SIZE) return;
    copyTextN(id, sizeof id, key, length);
    if (idIsValid(id) && isAlsoIdList(value, id)) keepAlsoIds(id, value);
}

static void applySetting(const SettingDescriptor* line, const char* value)
{
    switch (line->kind) {
    case SETTING_ALSO_IDS: readAlsoIds(line, value); return;
    case SETTING_DATE:    readDate(line, value); return;
    case SETTING_LIST:    readList(line, value); return;
    case SETTING_ID_LIST: readIdLine(value); return;
    case SETTING_TEXT:    copyText((char*)line->field, line->size, value); return;
    case SETTING_NUMBER:  *(int*)line->field = readNumber(line, value); return;
    case SETTING_FLAG:    *(int*)line->field = decimalIsOne(value); return;
    }
}

// Applies a line of the form "<tag>value</tag>" with a known tag: the first "<", the first ">" after
// it and the first closing tag after that. Text around them is ignored; comment lines (starting with
// "#"), unknown tags and lines without all three pieces are skipped. The further IDs of another ID
// are "<tag:ID>" with the tag's usual closing tag: a tag older versions don't know, and whose key
// ends at the first ">", so that no line is read beyond itself.
static void readSettingLine(const char* line)
{
    if (line[0] == '#') return;
    const char* open = strchr(line, '<');
    if (!open) return;
    const char* name = open + 1;
    const char* close = strchr(name, '>');
    if (!close) return;
    const char* colon = (const char*)memchr(name, ':', (size_t)(close - name));
    const SettingDescriptor* setting = findSettingLine(name, (size_t)((colon ? colon : close) - name));
    if (!setting || (colon && setting->kind != SETTING_ALSO_IDS)) return;

    char closingTag[PATH_SIZE];
    copyText(closingTag, sizeof closingTag, "</");
    appendText(closingTag, sizeof closingTag, setting->tag);
    appendText(closingTag, sizeof closingTag, ">");
    const char* value = close + 1;
    const char* valueEnd = strstr(value, closingTag);
    if (!valueEnd) return;

    char valueText[PATH_SIZE];
    copyTextN(valueText, sizeof valueText, value, (size_t)(valueEnd - value));
    if (colon)
        readKeptAlsoIds(colon + 1, (size_t)(close - colon - 1), valueText);
    else
        applySetting(setting, valueText);
}

static int periodDropped;

int takeDroppedPeriodNotice(void)
{
    int dropped = periodDropped;
    periodDropped = 0;
    return dropped;
}

int readSettingsFile(void)
{
    periodDropped = 0;
    FILE* file = openFile(appPaths.settingsPath, "rb");
    if (!file) {
        applyDefaults();
        copyText(settings.currentId, sizeof settings.currentId, ID_PLACEHOLDER);
        return 0;
    }
    // A line is read in pieces of at most 261 bytes; the rest of a longer line is the next piece.
    char line[PATH_SIZE];
    while (fgets(line, sizeof line, file)) readSettingLine(line);
    fclose(file);
    if (checkPeriod(settings.firstDay, settings.lastDay)) {
        settings.firstDay[0] = '\0';
        settings.lastDay[0] = '\0';
        periodDropped = 1;
    }
    return 1;
}

// Writing

// Every non-empty slot in use, each followed by ";".
static int writeIdLine(FILE* file, const char* tag)
{
    if (textPrintf(file, "<%s>", tag) < 0) return 0;
    for (unsigned i = 0; i < settings.idCount && i < ID_LIST_SLOTS; i++)
        if (settings.idList[i][0] && textPrintf(file, "%s;", settings.idList[i]) < 0) return 0;
    return textPrintf(file, "</%s>\n", tag) >= 0;
}

// The current ID's further IDs while set, then those of every other remembered ID that has some.
static int writeAlsoIdLines(FILE* file, const SettingDescriptor* line)
{
    const char* list = (const char*)line->field;
    if (list[0] && textPrintf(file, "<%s>%s</%s>\n", line->tag, list, line->tag) < 0) return 0;
    for (unsigned i = 0; i < settings.idCount && i < ID_LIST_SLOTS; i++) {
        const char* id = settings.idList[i];
        const char* kept = alsoIdsOf(id);
        if (!kept[0] || strcmp(id, settings.currentId) == 0) continue;
        if (textPrintf(file, "<%s:%s>%s</%s>\n", line->tag, id, kept, line->tag) < 0) return 0;
    }
    return 1;
}

// 1 when the setting holds something: a text not empty, a number not 0 (the ID list and the further
// IDs always: their writer decides).
static int isSet(const SettingDescriptor* line)
{
    switch (line->kind) {
    case SETTING_ID_LIST:
    case SETTING_ALSO_IDS: return 1;
    case SETTING_TEXT:
    case SETTING_DATE:
    case SETTING_LIST:    return ((const char*)line->field)[0] != '\0';
    case SETTING_NUMBER:
    case SETTING_FLAG:    return *(const int*)line->field != 0;
    }
    return 0;
}

static int writeSettingLine(FILE* file, const SettingDescriptor* line)
{
    if (line->presence == WRITTEN_WHEN_SET && !isSet(line)) return 1;
    switch (line->kind) {
    case SETTING_ID_LIST: return writeIdLine(file, line->tag);
    case SETTING_ALSO_IDS: return writeAlsoIdLines(file, line);
    case SETTING_TEXT:
    case SETTING_DATE:
    case SETTING_LIST:
        return textPrintf(file, "<%s>%s</%s>\n", line->tag, (const char*)line->field, line->tag) >= 0;
    case SETTING_NUMBER:
    case SETTING_FLAG:
        return textPrintf(file, "<%s>%d</%s>\n", line->tag, *(const int*)line->field, line->tag) >= 0;
    }
    return 0;
}

// Writes every line and flushes; 1 when all bytes reached the file without an error.
static int writeSettingLines(FILE* file)
{
    for (int i = 0; i < SETTING_COUNT; i++)
        if (!writeSettingLine(file, &settingDescriptors[i])) return 0;
    return fflush(file) == 0 && !ferror(file);
}

static int saveFailed(OutputFile* file)
{
    discardOutputFile(file);
    showErrorMessage(MESSAGE_SETTINGS_NOT_SAVED);
    return 0;
}

int writeSettingsFile(void)
{
    OutputFile file;
    if (!createOutputFile(&file, appPaths.settingsPath)) return saveFailed(&file);
    if (!writeSettingLines(file.stream)) return saveFailed(&file);
    if (!finishOutputFile(&file) || !placeOutputFile(&file)) return saveFailed(&file);
    keepOutputFile(&file);
    return 1;
}
