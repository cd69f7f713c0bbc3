#include "platform/TextFile.h"

#include "platform/platform.h"
#include "text/Bytes.h"

#include <stdarg.h>
#include <stdlib.h>
#include <string.h>

FILE* createTextFile(const char* name)
{
    return openFile(name, "wb");
}

int writeTextN(FILE* file, const char* text, size_t length)
{
    const char* end = text + length;
    while (text < end) {
        const char* lineFeed = findByte(text, '\n', (size_t)(end - text));
        size_t run = (size_t)((lineFeed ? lineFeed : end) - text);
        if (run && fwrite(text, 1, run, file) != run) return 0;
        if (!lineFeed) break;
        if (fwrite("\r\n", 1, 2, file) != 2) return 0;
        text = lineFeed + 1;
    }
    return 1;
}

int writeText(FILE* file, const char* text)
{
    return writeTextN(file, text, textLength(text));
}

int textVPrintf(FILE* file, const char* format, va_list args)
{
    char small[1024];
    va_list again;
    va_copy(again, args);
    int length = vsnprintf(small, sizeof small, format, args);
    if (length < 0 || (size_t)length < sizeof small) {
        va_end(again);
        if (length < 0) return length;
        return writeTextN(file, small, (size_t)length) ? length : -1;
    }

    char* large = (char*)malloc((size_t)length + 1);
    if (!large) {
        va_end(again);
        return -1;
    }
    vsnprintf(large, (size_t)length + 1, format, again);
    va_end(again);
    int ok = writeTextN(file, large, (size_t)length);
    free(large);
    return ok ? length : -1;
}

int textPrintf(FILE* file, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int length = textVPrintf(file, format, args);
    va_end(args);
    return length;
}
