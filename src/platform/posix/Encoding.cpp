#include "platform/posix/Encoding.h"

#include <errno.h>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <stdio.h>
#include <string.h>

static size_t convert(const char* text, const char* from, const char* to, char* out, size_t size)
{
    if (size == 0) return 0;
    size_t length = strlen(text);
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1) {
        size_t used = length < size - 1 ? length : size - 1;
        memcpy(out, text, used);
        out[used] = '\0';
        return used;
    }
    char* in = (char*)text;
    size_t inLeft = length;
    char* dst = out;
    size_t outLeft = size - 1;
    while (inLeft > 0 && outLeft > 0) {
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) != (size_t)-1) break;
        if (errno == E2BIG) break;
        // An invalid or incomplete sequence: copy the byte through and go on after it.
        *dst++ = *in++;
        inLeft--;
        outLeft--;
    }
    iconv_close(cd);
    size_t used = (size_t)(dst - out);
    out[used] = '\0';
    return used;
}

size_t convertFromCp932(const char* text, const char* to, char* out, size_t size)
{
    return convert(text, "CP932", to, out, size);
}

size_t convertToCp932(const char* text, const char* from, char* out, size_t size)
{
    return convert(text, from, "CP932", out, size);
}

size_t nativePath(const char* path, char* out, size_t size)
{
    size_t length = convertFromCp932(path, "UTF-8", out, size);
    for (size_t i = 0; i < length; i++)
        if (out[i] == '\\') out[i] = '/';
    return length;
}

size_t cp932Path(const char* path, char* out, size_t size)
{
    return convertToCp932(path, "UTF-8", out, size);
}

const char* terminalEncoding(void)
{
    static char name[64];
    if (!name[0]) {
        setlocale(LC_CTYPE, "");
        snprintf(name, sizeof name, "%s", nl_langinfo(CODESET));
        if (!name[0] || strcmp(name, "ANSI_X3.4-1968") == 0) snprintf(name, sizeof name, "UTF-8");
    }
    return name;
}
