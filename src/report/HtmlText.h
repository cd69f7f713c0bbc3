#ifndef VORNIX_HTMLTEXT_H
#define VORNIX_HTMLTEXT_H
// Text from outside the program (the ID, opponent names, folders) made safe to place inside HTML.

#include <stddef.h>

#include "text/Text.h"

enum {
    HTML_ESCAPE_GROWTH = 6,                         // the longest replacement, "&quot;"
    HTML_ID_SIZE = ID_SIZE * HTML_ESCAPE_GROWTH     // an escaped ID or name is never cut
};

// Copies text into out (size bytes) with "&" as "&amp;", "<" as "&lt;", ">" as "&gt;" and """ as
// "&quot;"; every other byte is kept (none of the four can be the second byte of a code page 932
// character), except a first byte of a two-byte character that ends the text, which is dropped (the
// log cuts names inside a character). Cuts before a byte, entity or two-byte character that no longer
// fits, so none is split; out is always terminated when size is not 0. Returns the length written.
size_t escapeHtml(char* out, size_t size, const char* text);

#endif
