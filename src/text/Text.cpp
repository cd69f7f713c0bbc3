#include "text/Text.h"

#include "text/Bytes.h"

#include <limits.h>
#include <string.h>

int isLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

size_t copyLogTextN(char* dst, size_t size, const char* src, size_t length)
{
    if (size == 0) return 0;
    if (length > size - 1) length = size - 1;
    copyBytes(dst, src, length);
    dst[length] = '\0';
    return length;
}

size_t copyLogText(char* dst, size_t size, const char* src)
{
    return copyLogTextN(dst, size, src, textLength(src));
}

size_t copyTextN(char* dst, size_t size, const char* src, size_t length)
{
    if (size == 0) return 0;
    if (length > size - 1) {
        // Whole characters only: step from the start, since a second byte may look like a first.
        size_t fit = 0;
        while (fit < size - 1) {
            size_t width = isLeadByte((unsigned char)src[fit]) ? 2 : 1;
            if (fit + width > size - 1) break;
            fit += width;
        }
        length = fit;
    }
    return copyLogTextN(dst, size, src, length);
}

size_t copyText(char* dst, size_t size, const char* src)
{
    return copyTextN(dst, size, src, strlen(src));
}

int copyWholeText(char* dst, size_t size, const char* src)
{
    if (size == 0) return 0;
    dst[0] = '\0';
    if (strlen(src) > size - 1) return 0;
    copyText(dst, size, src);
    return 1;
}

size_t appendText(char* dst, size_t size, const char* src)
{
    size_t used = strnlen(dst, size);
    if (used >= size) return used;
    return used + copyText(dst + used, size - used, src);
}
