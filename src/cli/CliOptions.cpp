#include "cli/CliOptions.h"

#include "settings/Settings.h"
#include "text/Messages.h"

#include <limits.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

enum OptionKind {
    OPTION_FLAG,          // no value: the int field becomes 1
    OPTION_ID,            // an ID: converted to code page 932, at most ID_SIZE - 1 bytes
    OPTION_NATIVE_PATH,   // a path kept as given, at most nativePathLimit() bytes
    OPTION_NUMBER         // a whole decimal number from low to high
};

// One option: the parser looks names up here, the defaults are set by walking it.
struct CliOption {
    const char* name;
    OptionKind kind;
    size_t field;        // offsetof the target in CliOptions
    int required;        // 1: the option must be given (unless --help is)
    int byDefault;       // OPTION_NUMBER: the value when the option is not given
    int low, high;       // OPTION_NUMBER: the accepted range
};

#define FIELD(name) offsetof(CliOptions, name)

static const CliOption cliOptions[] = {
    { "--log",    OPTION_NATIVE_PATH, FIELD(logPath),      1, 0, 0, 0 },
    { "--id",     OPTION_ID,          FIELD(id),           1, 0, 0, 0 },
    { "--min",    OPTION_NUMBER,      FIELD(minRate),      0, DEFAULT_MIN_RATE, INT_MIN, INT_MAX },
    { "--max",    OPTION_NUMBER,      FIELD(maxRate),      0, DEFAULT_MAX_RATE, INT_MIN, INT_MAX },
    { "--scheme", OPTION_NUMBER,      FIELD(colorScheme),  0, DEFAULT_COLOR_SCHEME, 0, COLOR_SCHEME_COUNT - 1 },
    { "--out",    OPTION_NATIVE_PATH, FIELD(outputFolder), 0, 0, 0, 0 },
    { "--trends", OPTION_FLAG,        FIELD(trendCharts),  0, 0, 0, 0 },
    { "--help",   OPTION_FLAG,        FIELD(help),         0, 0, 0, 0 },
};

#undef FIELD

enum { OPTION_COUNT = sizeof cliOptions / sizeof cliOptions[0] };

static char problemText[128];   // *problem points here when the text names an option

// A whole decimal number: an optional sign and digits, nothing else, within 32 bits.
static int readWholeNumber(const char* text, int* value)
{
    const char* p = text;
    int negative = 0;
    if (*p == '+' || *p == '-') negative = (*p++ == '-');
    if (!*p) return 0;
    long long number = 0;
    for (; *p; p++) {
        if (*p < '0' || *p > '9') return 0;
        number = number * 10 + (*p - '0');
        if (number > (long long)INT_MAX + 1) return 0;
    }
    if (negative) number = -number;
    if (number > INT_MAX || number < INT_MIN) return 0;
    *value = (int)number;
    return 1;
}

static const CliOption* findOption(const char* name)
{
    for (const CliOption& option : cliOptions)
        if (strcmp(option.name, name) == 0) return &option;
    return NULL;
}

static const char* tooLong(const CliOption* option, size_t limit)
{
    snprintf(problemText, sizeof problemText, CLI_TOO_LONG, option->name, limit);
    return problemText;
}

static const char* notCp932(const CliOption* option)
{
    snprintf(problemText, sizeof problemText, CLI_NOT_CP932, option->name);
    return problemText;
}

static const char* badNumber(const CliOption* option)
{
    if (option->low == INT_MIN && option->high == INT_MAX)
        snprintf(problemText, sizeof problemText, CLI_NOT_A_NUMBER, option->name);
    else
        snprintf(problemText, sizeof problemText, CLI_OUT_OF_RANGE, option->name,
                 option->low, option->high);
    return problemText;
}

// Stores the value of one option with a value. Returns NULL, or what is wrong with the value.
static const char* takeValue(const CliOption* option, const char* value, CliOptions* options)
{
    char* target = (char*)options + option->field;
    switch (option->kind) {
    case OPTION_ID:
        if (!argumentFitsCp932(value)) return notCp932(option);
        return argumentToCp932(value, target, ID_SIZE) ? NULL : tooLong(option, ID_SIZE - 1);
    case OPTION_NATIVE_PATH:
        return copyWholeText(target, nativePathLimit() + 1, value) ? NULL : tooLong(option, nativePathLimit());
    case OPTION_NUMBER: {
        int number;
        if (!readWholeNumber(value, &number) || number < option->low || number > option->high)
            return badNumber(option);
        *(int*)target = number;
        return NULL;
    }
    case OPTION_FLAG:
        *(int*)target = 1;
        return NULL;
    }
    return NULL;
}

static void setDefaults(CliOptions* options)
{
    memset(options, 0, sizeof *options);
    for (const CliOption& option : cliOptions)
        if (option.kind == OPTION_NUMBER) *(int*)((char*)options + option.field) = option.byDefault;
}

int parseCliOptions(int argc, char** argv, CliOptions* options, const char** problem)
{
    setDefaults(options);
    int seen[OPTION_COUNT] = {0};
    for (int i = 1; i < argc; i++) {
        const CliOption* option = findOption(argv[i]);
        if (!option) {
            *problem = CLI_UNKNOWN_OPTION;
            return 0;
        }
        seen[option - cliOptions] = 1;
        if (option->kind == OPTION_FLAG) {
            takeValue(option, NULL, options);
            continue;
        }
        if (i + 1 >= argc) {
            *problem = CLI_MISSING_VALUE;
            return 0;
        }
        *problem = takeValue(option, argv[++i], options);
        if (*problem) return 0;
    }
    if (options->help) return 1;
    for (int i = 0; i < OPTION_COUNT; i++)
        if (cliOptions[i].required && !seen[i]) {
            snprintf(problemText, sizeof problemText, CLI_REQUIRED, cliOptions[i].name);
            *problem = problemText;
            return 0;
        }
    return 1;
}
