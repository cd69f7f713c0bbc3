#include "platform/FileLink.h"

#include "text/Text.h"

#include <string.h>

static int needsEscape(unsigned char c)
{
    return c <= ' ' || c == 0x7F || strchr("\"#%<>?^`{|}", c) != NULL;
}

int appendLinkPath(char* out, size_t size, const char* text)
{
    static const char hex[] = "0123456789ABCDEF";
    size_t used = strlen(out);
    for (const unsigned char* at = (const unsigned char*)text; *at;) {
        char piece[4];
        size_t length = 1;
        piece[0] = (char)*at;
        if (isLeadByte(*at) && at[1]) {
            piece[1] = (char)at[1];
            length = 2;
        } else if (needsEscape(*at)) {
            piece[0] = '%';
            piece[1] = hex[*at >> 4];
            piece[2] = hex[*at & 15];
            length = 3;
        }
        if (used + length >= size) return 0;
        memcpy(out + used, piece, length);
        used += length;
        out[used] = '\0';
        at += length == 2 ? 2 : 1;
    }
    return 1;
}

int formatSiblingLink(char* out, size_t size, const char* name)
{
    if (size == 0) return 0;
    out[0] = '\0';
    return appendLinkPath(out, size, name);
}
