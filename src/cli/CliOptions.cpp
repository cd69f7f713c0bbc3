#include "cli/CliOptions.h"

#include "settings/AlsoIds.h"
#include "settings/AnalysisConditions.h"
#include "settings/Settings.h"
#include "text/Messages.h"

#include <limits.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

enum OptionKind {
    OPTION_FLAG,          // no value: the int field becomes 1
    OPTION_ID,            // an ID: converted to code page 932 into settings.currentId, at most
                          // ID_SIZE - 1 bytes
    OPTION_NATIVE_PATH,   // a path kept as given, at most nativePathLimit() bytes
    OPTION_NUMBER,        // a whole decimal number from low to high
    OPTION_TEXT,          // a text of at most size - 1 bytes
    OPTION_DATE,          // a day as readDateInput takes it, into a field of DATE_SIZE bytes
    OPTION_LIST_ITEM,     // one item added to a ";"-terminated list of size bytes; may be repeated
    OPTION_WORD,          // one of the setting's words, its number into the int field
    OPTION_ALSO_ID        // one further ID, converted like OPTION_ID, added to the list; may be
                          // repeated
};

// vornix-cli's own options; those of the settings come from settingDescriptors.
struct CliOption {
    const char* name;
    OptionKind kind;
    size_t field;        // offsetof the target in CliOptions (OPTION_ID: none)
    int required;        // 1: the option must be given (unless --help is)
};

#define FIELD(name) offsetof(CliOptions, name)

static const CliOption ownOptions[] = {
    { "--log",  OPTION_NATIVE_PATH, FIELD(logPath),      1 },
    { "--id",   OPTION_ID,          0,                   1 },
    { "--out",  OPTION_NATIVE_PATH, FIELD(outputFolder), 0 },
    { "--help", OPTION_FLAG,        FIELD(help),         0 },
};

#undef FIELD

enum { OWN_OPTION_COUNT = sizeof ownOptions / sizeof ownOptions[0] };

// An option found by its name: where its value goes and what it may be.
struct FoundOption {
    const char* name;
    OptionKind kind;
    void* target;
    size_t size;         // OPTION_TEXT: bytes of the target
    int low, high;       // OPTION_NUMBER: the accepted range
    int own;             // index in ownOptions; -1 for a setting's option
    const SettingWord* words;   // OPTION_WORD: the words taken
    const char* badWord;        // OPTION_WORD: the refusal of another value
};

static char problemText[256];   // *problem points here when the text names an option

// A whole decimal number: an optional sign and digits, nothing else. Returns 0 for other text; 1 with
// *value set, or -1 when the number lies outside 32 bits.
static int readWholeNumber(const char* text, int* value)
{
    const char* p = text;
    int negative = 0;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    if (!*p) return 0;
    long long number = 0;
    int tooLarge = 0;
    for (; *p; p++) {
        if (*p < '0' || *p > '9') return 0;
        if (!tooLarge) number = number * 10 + (*p - '0');
        if (number > (long long)INT_MAX + 1) tooLarge = 1;
    }
    if (negative) number = -number;
    if (tooLarge || number > INT_MAX || number < INT_MIN) return -1;
    *value = (int)number;
    return 1;
}

// Looks the name up among vornix-cli's own options, then among the settings'. Returns 0 when unknown.
static int findOption(const char* name, CliOptions* options, FoundOption* found)
{
    memset(found, 0, sizeof *found);
    found->name = name;
    for (int i = 0; i < OWN_OPTION_COUNT; i++) {
        if (strcmp(ownOptions[i].name, name) != 0) continue;
        found->kind = ownOptions[i].kind;
        found->target = found->kind == OPTION_ID ? (void*)settings.currentId : (char*)options + ownOptions[i].field;
        found->own = i;
        return 1;
    }
    for (int i = 0; i < SETTING_COUNT; i++) {
        const SettingDescriptor* setting = &settingDescriptors[i];
        if (!setting->cliOption || strcmp(setting->cliOption, name) != 0) continue;
        found->kind = setting->kind == SETTING_FLAG     ? OPTION_FLAG
                      : setting->words                  ? OPTION_WORD
                      : setting->kind == SETTING_NUMBER ? OPTION_NUMBER
                      : setting->kind == SETTING_DATE   ? OPTION_DATE
                      : setting->kind == SETTING_LIST   ? OPTION_LIST_ITEM
                      : setting->kind == SETTING_ALSO_IDS ? OPTION_ALSO_ID
                                                        : OPTION_TEXT;
        found->target = setting->field;
        found->size = setting->size;
        found->low = setting->low;
        found->high = setting->high;
        found->own = -1;
        found->words = setting->words;
        found->badWord = setting->badWord;
        return 1;
    }
    return 0;
}

// The problem text of a message that names one argument.
static const char* named(const char* message, const char* name)
{
    snprintf(problemText, sizeof problemText, message, name);
    return problemText;
}

// An argument that is no option, named as the terminal gave it ("?" when it can't be shown).
static const char* unknownOption(const char* argument)
{
    char name[64];
    if (!argumentToCp932(argument, name, sizeof name)) copyText(name, sizeof name, "?");
    return named(CLI_UNKNOWN_OPTION, name);
}

static const char* tooLong(const FoundOption* option, size_t limit)
{
    snprintf(problemText, sizeof problemText, CLI_TOO_LONG, option->name, limit);
    return problemText;
}

static const char* notCp932(const FoundOption* option)
{
    return named(CLI_NOT_CP932, option->name);
}

// A value that is no whole number, or one outside the option's range (32 bits at the widest).
static const char* badNumber(const FoundOption* option, int wholeNumber)
{
    if (!wholeNumber)
        snprintf(problemText, sizeof problemText, CLI_NOT_A_NUMBER, option->name);
    else
        snprintf(problemText, sizeof problemText, CLI_OUT_OF_RANGE, option->name,
                 option->low, option->high);
    return problemText;
}

// A refusal of the conditions' own (Messages.h), after the option's name.
static const char* refused(const FoundOption* option, const char* message)
{
    snprintf(problemText, sizeof problemText, "%s: %s", option->name, message);
    return problemText;
}

static const char* takeWord(const FoundOption* option, const char* value)
{
    char word[16];
    if (argumentToCp932(value, word, sizeof word))
        for (const SettingWord* w = option->words; w->word; w++)
            if (strcmp(word, w->word) == 0) {
                *(int*)option->target = w->value;
                return NULL;
            }
    return named(option->badWord, option->name);
}

// One item for a list: converted to code page 932 like the ID.
static const char* takeListItem(const FoundOption* option, const char* value)
{
    char item[LOBBY_LIST_SIZE];
    if (!argumentFitsCp932(value)) return notCp932(option);
    if (!argumentToCp932(value, item, sizeof item)) return tooLong(option, option->size - 2);
    const char* problem = addListItem((char*)option->target, option->size, item);
    return problem ? refused(option, problem) : NULL;
}

// One further ID: converted and limited like the ID, then judged by the same rule.
static const char* takeAlsoId(const FoundOption* option, const char* value)
{
    char id[ID_SIZE];
    if (!argumentFitsCp932(value)) return notCp932(option);
    if (!argumentToCp932(value, id, sizeof id)) return tooLong(option, ID_SIZE - 1);
    const char* problem = addAlsoId((char*)option->target, id);
    return problem ? refused(option, problem) : NULL;
}

static const char* takeDate(const FoundOption* option, const char* value)
{
    char typed[32];
    const char* problem = copyWholeText(typed, sizeof typed, value) ? readDateInput(typed, (char*)option->target)
                                                                   : MESSAGE_DATE_FORM;
    return problem ? refused(option, problem) : NULL;
}

// Stores the value of one option with a value. Returns NULL, or what is wrong with the value.
static const char* takeValue(const FoundOption* option, const char* value)
{
    char* target = (char*)option->target;
    switch (option->kind) {
    case OPTION_ID:
        if (!argumentFitsCp932(value)) return notCp932(option);
        return argumentToCp932(value, target, ID_SIZE) ? NULL : tooLong(option, ID_SIZE - 1);
    case OPTION_NATIVE_PATH:
        return copyWholeText(target, nativePathLimit() + 1, value) ? NULL : tooLong(option, nativePathLimit());
    case OPTION_NUMBER: {
        int number;
        int read = readWholeNumber(value, &number);
        if (read != 1 || number < option->low || number > option->high) return badNumber(option, read != 0);
        *(int*)target = number;
        return NULL;
    }
    case OPTION_TEXT:
        return copyWholeText(target, option->size, value) ? NULL : tooLong(option, option->size - 1);
    case OPTION_FLAG:
        *(int*)target = 1;
        return NULL;
    case OPTION_DATE:        return takeDate(option, value);
    case OPTION_LIST_ITEM:   return takeListItem(option, value);
    case OPTION_WORD:        return takeWord(option, value);
    case OPTION_ALSO_ID:     return takeAlsoId(option, value);
    }
    return NULL;
}

int parseCliOptions(int argc, char** argv, CliOptions* options, const char** problem)
{
    memset(options, 0, sizeof *options);
    resetSettings();
    applyDefaults();
    int seen[OWN_OPTION_COUNT] = {0};
    const void* given[OWN_OPTION_COUNT + SETTING_COUNT];   // the targets set so far
    int givenCount = 0;
    for (int i = 1; i < argc; i++) {
        FoundOption option;
        if (!findOption(argv[i], options, &option)) {
            *problem = unknownOption(argv[i]);
            return 0;
        }
        if (option.kind != OPTION_LIST_ITEM && option.kind != OPTION_ALSO_ID) {
            for (int j = 0; j < givenCount; j++)
                if (given[j] == option.target) {
                    *problem = named(CLI_REPEATED, option.name);
                    return 0;
                }
            given[givenCount++] = option.target;
        }
        if (option.own >= 0) seen[option.own] = 1;
        if (option.kind == OPTION_FLAG) {
            takeValue(&option, NULL);
            continue;
        }
        if (i + 1 >= argc) {
            *problem = named(CLI_MISSING_VALUE, option.name);
            return 0;
        }
        *problem = takeValue(&option, argv[++i]);
        if (*problem) return 0;
    }
    if (options->help) return 1;
    *problem = checkPeriod(settings.firstDay, settings.lastDay);
    if (*problem) return 0;
    if (listHoldsItem(settings.alsoIds, settings.currentId, strlen(settings.currentId))) {
        snprintf(problemText, sizeof problemText, "--also-id: %s", MESSAGE_ALSO_ID_IS_ID);
        *problem = problemText;
        return 0;
    }
    for (int i = 0; i < OWN_OPTION_COUNT; i++)
        if (ownOptions[i].required && !seen[i]) {
            *problem = named(CLI_REQUIRED, ownOptions[i].name);
            return 0;
        }
    return 1;
}
