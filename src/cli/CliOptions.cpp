#include "cli/CliOptions.h"

#include "platform/platform.h"

#include <limits.h>
#include <string.h>

const char CLI_USAGE[] = "usage: vornix-cli --log FILE --id ID [--min N] [--max N] [--scheme 0-3] [--out DIR] [--trends]\n";

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

// Takes the value of one option. Returns NULL, or what is wrong with the value.
static const char* takeValue(const char* option, const char* value, CliOptions* options, int* seen)
{
    if (strcmp(option, "--log") == 0) {
        argumentToCp932(value, options->logPath, sizeof options->logPath);
        seen[0] = 1;
        return NULL;
    }
    if (strcmp(option, "--id") == 0) {
        argumentToCp932(value, options->id, sizeof options->id);
        seen[1] = 1;
        return NULL;
    }
    if (strcmp(option, "--out") == 0) {
        argumentToCp932(value, options->outputFolder, sizeof options->outputFolder);
        return NULL;
    }
    if (strcmp(option, "--min") == 0)
        return readWholeNumber(value, &options->minRate) ? NULL : "--min needs a whole decimal number";
    if (strcmp(option, "--max") == 0)
        return readWholeNumber(value, &options->maxRate) ? NULL : "--max needs a whole decimal number";
    int scheme;
    if (!readWholeNumber(value, &scheme) || scheme < 0 || scheme > 3) return "--scheme needs 0, 1, 2 or 3";
    options->colorScheme = scheme;
    return NULL;
}

static int isKnownOption(const char* text)
{
    static const char* const names[] = {"--log", "--id", "--min", "--max", "--scheme", "--out"};
    for (const char* name : names)
        if (strcmp(text, name) == 0) return 1;
    return 0;
}

int parseCliOptions(int argc, char** argv, CliOptions* options, const char** problem)
{
    memset(options, 0, sizeof *options);
    options->maxRate = 20000;
    int seen[2] = {0, 0};   // --log, --id
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--trends") == 0) {   // the one option without a value
            options->trendCharts = 1;
            continue;
        }
        if (!isKnownOption(argv[i])) {
            *problem = "unknown option";
            return 0;
        }
        if (i + 1 >= argc) {
            *problem = "an option without its value";
            return 0;
        }
        *problem = takeValue(argv[i], argv[i + 1], options, seen);
        if (*problem) return 0;
        i++;
    }
    if (!seen[0] || !seen[1]) {
        *problem = "--log and --id are required";
        return 0;
    }
    return 1;
}
