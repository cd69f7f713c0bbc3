#include "analysis/FatalError.h"

#include "platform/platform.h"

#include <assert.h>
#include <stdarg.h>
#include <stdio.h>

enum { FATAL_MESSAGE_SIZE = 256 };

// The run cleans up its unfinished outputs, its lock and its storage through these, in this order.
static void (*cleanups[FATAL_CLEANUP_SLOTS])(void);
static int cleanupCount;
static void (*fatalHandler)(const char* text, int skippable);

void setFatalErrorHandler(void (*handler)(const char* text, int skippable))
{
    fatalHandler = handler;
}

void onFatalError(void (*cleanup)(void))
{
    for (int i = 0; i < cleanupCount; i++)
        if (cleanups[i] == cleanup) return;
    assert(cleanupCount < FATAL_CLEANUP_SLOTS);
    if (cleanupCount < FATAL_CLEANUP_SLOTS) cleanups[cleanupCount++] = cleanup;
}

[[noreturn]] static void endRun(const char* format, va_list args, int skippable)
{
    char text[FATAL_MESSAGE_SIZE];
    vsnprintf(text, sizeof text, format, args);
    if (!fatalHandler) showErrorMessage(text);
    for (int i = 0; i < cleanupCount; i++) cleanups[i]();
    if (fatalHandler) fatalHandler(text, skippable);
    exitProcess(1);
}

void fatalError(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    endRun(format, args, 0);
}

void fatalEntryError(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    endRun(format, args, 1);
}
