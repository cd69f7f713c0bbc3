#include "analysis/FatalError.h"

#include "analysis/OpponentTable.h"
#include "analysis/RunState.h"
#include "platform/platform.h"

#include <assert.h>
#include <stdarg.h>
#include <stdio.h>

enum { FATAL_MESSAGE_SIZE = 256 };

// The layers above analysis clean up their unfinished outputs through these, in this order.
static void (*cleanups[FATAL_CLEANUP_SLOTS])(void);
static int cleanupCount;

void onFatalError(void (*cleanup)(void))
{
    for (int i = 0; i < cleanupCount; i++)
        if (cleanups[i] == cleanup) return;
    assert(cleanupCount < FATAL_CLEANUP_SLOTS);
    if (cleanupCount < FATAL_CLEANUP_SLOTS) cleanups[cleanupCount++] = cleanup;
}

void fatalError(const char* format, ...)
{
    char text[FATAL_MESSAGE_SIZE];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    showErrorMessage(text);
    for (int kind = 0; kind < RUN_OUTPUT_COUNT; kind++) withdrawRunOutput(kind);
    for (int i = 0; i < cleanupCount; i++) cleanups[i]();
    releaseOpponentTable();
    exitProcess(1);
}
