#ifndef VORNIX_FILELINK_H
#define VORNIX_FILELINK_H
// The path of a file link as a URL can hold it: every byte that would end or change the link written
// as "%" and two hex digits, so that a "#" or a "%" in a folder or an ID stays part of the path.

#include <stddef.h>

// Appends text (code page 932) to the link in out (size bytes), with the control bytes, the space,
// '"', '#', '%', '<', '>', '?', '^', '`', '{', '|', '}' and DEL percent-encoded. The two bytes of a
// double-byte character stay as they are (the page's encoding tells the browser what they are). What
// doesn't fit is left out from the first piece that doesn't (a character or an escape is never cut).
// Returns 1 when all of text fit.
int appendLinkPath(char* out, size_t size, const char* text);

#endif
