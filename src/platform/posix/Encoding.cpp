#include "platform/posix/Encoding.h"

#include "text/Text.h"

#include <errno.h>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <stdio.h>
#include <string.h>

std::string convertText(const char* text, const char* from, const char* to)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1) return text;
    std::string converted;
    char* in = (char*)text;
    size_t inLeft = strlen(text);
    char chunk[1024];
    while (inLeft > 0) {
        char* dst = chunk;
        size_t outLeft = sizeof chunk;
        size_t result = iconv(cd, &in, &inLeft, &dst, &outLeft);
        int stuck = result == (size_t)-1 ? errno : 0;
        converted.append(chunk, (size_t)(dst - chunk));
        // An invalid or incomplete sequence: copy the byte through and go on after it.
        if (stuck && stuck != E2BIG) {
            converted += *in++;
            inLeft--;
        }
    }
    iconv_close(cd);
    return converted;
}

int convertsWhole(const char* text, const char* from, const char* to)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == (iconv_t)-1) return 0;
    char* in = (char*)text;
    size_t inLeft = strlen(text);
    int whole = 1;
    char chunk[1024];
    while (whole && inLeft > 0) {
        char* dst = chunk;
        size_t outLeft = sizeof chunk;
        if (iconv(cd, &in, &inLeft, &dst, &outLeft) == (size_t)-1 && errno != E2BIG) whole = 0;
    }
    // The flush also tells an incomplete sequence at the end apart from a finished one.
    char* dst = chunk;
    size_t outLeft = sizeof chunk;
    if (whole && iconv(cd, NULL, NULL, &dst, &outLeft) == (size_t)-1) whole = 0;
    iconv_close(cd);
    return whole;
}

std::string nativePath(const char* path)
{
    std::string native = convertText(path, "CP932", "UTF-8");
    for (char& c : native)
        if (c == '\\') c = '/';
    return native;
}

int convertToCp932(const char* text, const char* from, char* out, size_t size)
{
    return copyWholeText(out, size, convertText(text, from, "CP932").c_str());
}

int cp932Path(const char* path, char* out, size_t size)
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
