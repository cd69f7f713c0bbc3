#include "settings/SettingsFile.h"

#include "platform/OutputFile.h"
#include "platform/TextFile.h"
#include "platform/platform.h"
#include "settings/AppPaths.h"
#include "settings/IdList.h"
#include "settings/Settings.h"
#include "text/Messages.h"

#include <string.h>

enum SettingKind {
    KIND_ID_LIST,   // the remembered IDs, ";" after each; read and written by its own functions
    KIND_PATH,      // text of at most 261 bytes
    KIND_NUMBER,    // a decimal number, truncated toward zero
    KIND_FLAG,      // 1 when the number is exactly 1, else 0
    KIND_SCHEME     // a number from 0 to 3; any other number reads as 0
};

enum SettingPresence {
    ALWAYS_WRITTEN,     // every file holds the line
    WRITTEN_WHEN_SET    // only while the field is not 0, so a file without the option is as before it
                        // existed; a missing line leaves the field as it was
};

// One line of the file. The reader looks tags up here; the writer walks the table in order.
struct SettingLine {
    const char* tag;     // the tag name, code page 932 bytes, case-sensitive
    SettingKind kind;
    char* text;          // the field of KIND_PATH (PATH_SIZE bytes)
    int* number;         // the field of KIND_NUMBER, KIND_FLAG and KIND_SCHEME
    SettingPresence presence;
};

static const SettingLine settingLines[] = {
    { "KalventoID", KIND_ID_LIST, NULL, NULL, ALWAYS_WRITTEN },
    { "牌譜ファイル", KIND_PATH, settings.logPath, NULL, ALWAYS_WRITTEN },
    { "最低レート", KIND_NUMBER, NULL, &settings.minRate, ALWAYS_WRITTEN },
    { "最高レート", KIND_NUMBER, NULL, &settings.maxRate, ALWAYS_WRITTEN },
    { "設定保存", KIND_FLAG, NULL, &settings.saveOnExit, ALWAYS_WRITTEN },
    { "デスクトップ保存", KIND_FLAG, NULL, &settings.reportOnDesktop, ALWAYS_WRITTEN },
    { "配色", KIND_SCHEME, NULL, &settings.colorScheme, ALWAYS_WRITTEN },
    { "推移グラフ", KIND_FLAG, NULL, &settings.trendCharts, WRITTEN_WHEN_SET },
};

// Reading

static const SettingLine* findSettingLine(const char* name, size_t length)
{
    for (const SettingLine& line : settingLines)
        if (strlen(line.tag) == length && memcmp(line.tag, name, length) == 0) return &line;
    return NULL;
}

// The ID line: the list, and currentId from its first ID (the placeholder when there is none).
static void readIdLine(const char* value)
{
    parseIdList(value);
    const char* first = settings.idCount ? settings.idList[0] : ID_PLACEHOLDER;
    copyText(settings.currentId, sizeof settings.currentId, first);
}

static int readColorScheme(const char* value)
{
    int scheme = readDecimal(value, NULL);
    return scheme >= 0 && scheme < COLOR_SCHEME_COUNT ? scheme : DEFAULT_COLOR_SCHEME;
}

static void applySetting(const SettingLine* line, const char* value)
{
    switch (line->kind) {
    case KIND_ID_LIST: readIdLine(value); return;
    case KIND_PATH:    copyText(line->text, PATH_SIZE, value); return;
    case KIND_NUMBER:  *line->number = readDecimal(value, NULL); return;
    case KIND_FLAG:    *line->number = decimalIsOne(value); return;
    case KIND_SCHEME:  *line->number = readColorScheme(value); return;
    }
}

// Applies a line of the form "<tag>value</tag>" with a known tag: the first "<", the first ">" after
// it and the first closing tag after that. Text around them is ignored; comment lines (starting with
// "#"), unknown tags and lines without all three pieces are skipped.
static void readSettingLine(const char* line)
{
    if (line[0] == '#') return;
    const char* open = strchr(line, '<');
    if (!open) return;
    const char* name = open + 1;
    const char* close = strchr(name, '>');
    if (!close) return;
    const SettingLine* setting = findSettingLine(name, (size_t)(close - name));
    if (!setting) return;

    char closingTag[PATH_SIZE];
    copyText(closingTag, sizeof closingTag, "</");
    appendText(closingTag, sizeof closingTag, setting->tag);
    appendText(closingTag, sizeof closingTag, ">");
    const char* value = close + 1;
    const char* valueEnd = strstr(value, closingTag);
    if (!valueEnd) return;

    char valueText[PATH_SIZE];
    copyTextN(valueText, sizeof valueText, value, (size_t)(valueEnd - value));
    applySetting(setting, valueText);
}

int readSettingsFile(void)
{
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

static int writeSettingLine(FILE* file, const SettingLine* line)
{
    if (line->presence == WRITTEN_WHEN_SET && !*line->number) return 1;
    switch (line->kind) {
    case KIND_ID_LIST: return writeIdLine(file, line->tag);
    case KIND_PATH:    return textPrintf(file, "<%s>%s</%s>\n", line->tag, line->text, line->tag) >= 0;
    case KIND_NUMBER:
    case KIND_FLAG:
    case KIND_SCHEME:  return textPrintf(file, "<%s>%d</%s>\n", line->tag, *line->number, line->tag) >= 0;
    }
    return 0;
}

// Writes every line and flushes; 1 when all bytes reached the file without an error.
static int writeSettingLines(FILE* file)
{
    for (const SettingLine& line : settingLines)
        if (!writeSettingLine(file, &line)) return 0;
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
