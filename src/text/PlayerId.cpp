#include "text/PlayerId.h"

#include "text/CodePage932.h"

#include <string.h>

int idIsValid(const char* id)
{
    for (const char* p = id; *p;) {
        size_t length = characterLength(p);
        if (length == 0) return 0;
        unsigned char c = (unsigned char)*p;
        if (length == 1 && (c < 0x20 || c == 0x7F || strchr("\\/:*?\"<>|", c))) return 0;
        p += length;
    }
    return 1;
}
