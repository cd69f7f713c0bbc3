#ifndef VORNIX_POSIX_ENCODING_H
#define VORNIX_POSIX_ENCODING_H
// Conversions between code page 932 and the encodings of a POSIX system.

#include <stddef.h>

// Converts text from code page 932 to the encoding `to` (an iconv name) into out, cut to size - 1
// bytes. Bytes that can't be converted are kept as they are. Returns the output length.
size_t convertFromCp932(const char* text, const char* to, char* out, size_t size);

// Converts text from the encoding `from` to code page 932; the same rules.
size_t convertToCp932(const char* text, const char* from, char* out, size_t size);

// Turns a code page 932 path in Windows form into a UTF-8 path for the file system: the text is
// converted to UTF-8 and every back-slash becomes a slash. Returns the output length.
size_t nativePath(const char* path, char* out, size_t size);

// The reverse: a UTF-8 path becomes code page 932 text.
size_t cp932Path(const char* path, char* out, size_t size);

// The terminal's encoding as iconv names it: the locale's character set ("UTF-8" when the locale
// names none or plain ASCII).
const char* terminalEncoding(void);

#endif
