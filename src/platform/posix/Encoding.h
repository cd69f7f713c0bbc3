#ifndef VORNIX_POSIX_ENCODING_H
#define VORNIX_POSIX_ENCODING_H
// Conversions between code page 932 and the encodings of a POSIX system. The results are whole
// strings; a cut into a fixed buffer goes through the one cutting copy of the text layer.

#include <stddef.h>
#include <string>

// Converts text from the encoding `from` to the encoding `to` (iconv names). Bytes that can't be
// converted are kept as they are; an encoding iconv doesn't know leaves the text unchanged.
std::string convertText(const char* text, const char* from, const char* to);

// 1 when the whole text is valid in the encoding `from` and every character of it has a form in the
// encoding `to`; 0 otherwise, and for an encoding iconv doesn't know.
int convertsWhole(const char* text, const char* from, const char* to);

// Turns a code page 932 path in Windows form into a UTF-8 path for the file system: the text is
// converted to UTF-8 and every back-slash becomes a slash.
std::string nativePath(const char* path);

// Converts text from the encoding `from` to code page 932 into out. Returns 1 when it fits whole in
// size - 1 bytes; 0 otherwise, with out empty (never cut).
int convertToCp932(const char* text, const char* from, char* out, size_t size);

// The reverse of nativePath, by the rule of convertToCp932 (slashes stay).
int cp932Path(const char* path, char* out, size_t size);

// The terminal's encoding as iconv names it: the locale's character set ("UTF-8" when the locale
// names none or plain ASCII).
const char* terminalEncoding(void);

#endif
