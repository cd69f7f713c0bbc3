#ifndef VORNIX_CODEPAGE932_H
#define VORNIX_CODEPAGE932_H
// The characters code page 932 defines: the one-byte characters 0x00-0x7F and the half-width
// katakana 0xA1-0xDF, and the two-byte codes of Microsoft's table (user-defined rows included).

#include <stddef.h>

// The length in bytes (1 or 2) of the character at the start of text; 0 at the terminating zero and
// where the bytes there are no character: 0x80, 0xA0, 0xFD-0xFF, a first byte at the end of the text
// or before a byte that can't follow it, or a two-byte code the table leaves empty.
size_t characterLength(const char* text);

#endif
