#include "report/HtmlText.h"

#include <string.h>

// The replacement of a byte, or NULL when it stays as it is.
static const char* entityOf(char c)
{
    switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '"': return "&quot;";
    }
    return NULL;
}

size_t escapeHtml(char* out, size_t size, const char* text)
{
    if (size == 0) return 0;
    size_t used = 0;
    int secondByte = 0;   // the byte at p is the second of a two-byte character
    for (const char* p = text; *p; p++) {
        int lead = !secondByte && isLeadByte((unsigned char)*p);
        // A first byte with nothing after it (a name cut inside a character) would take the page's
        // next byte as its second; a character that no longer fits is cut whole.
        if (lead && (p[1] == '\0' || used + 2 > size - 1)) break;
        const char* entity = entityOf(*p);
        size_t length = entity ? strlen(entity) : 1;
        if (used + length > size - 1) break;
        if (entity) memcpy(out + used, entity, length);
        else out[used] = *p;
        used += length;
        secondByte = lead;
    }
    out[used] = '\0';
    return used;
}
