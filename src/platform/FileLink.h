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

// Writes into out the link from one output of the folder to another, `name`: relative, so that it
// still holds in a copied or moved folder, and encoded by appendLinkPath on every system, so that
// the page's bytes are the same (the browser reads the name's characters by the page's encoding and
// opens the file of that name, the name on the disk being those characters). Cut to size - 1 bytes;
// returns 1 when all of name fit.
int formatSiblingLink(char* out, size_t size, const char* name);

#endif
