#ifndef VORNIX_TEXT_H
#define VORNIX_TEXT_H
// Fixed-size text buffers, the one cutting copy into them (and the log's byte copy), and the number
// rules shared by the game log, the settings file and the dialog.

#include <stddef.h>

enum TextSize {
    ID_SIZE = 16,     // player IDs and opponent names: at most 15 bytes
    PATH_SIZE = 262   // paths: at most 261 bytes
};

// 1 if c is the first byte of a two-byte character of code page 932 (0x81-0x9F, 0xE0-0xFC); the byte
// after it is its second, whatever its value.
int isLeadByte(unsigned char c);

// The cutting copy for every text that is not game-log data (IDs, settings values, paths, arguments).
// Copies src into dst (size bytes), cutting it to at most size - 1 bytes at a character boundary, so
// a two-byte character is never split; dst is always terminated when size is not 0. Returns the
// number of bytes copied.
size_t copyText(char* dst, size_t size, const char* src);

// The same for at most length bytes of src (src need not be terminated after them).
size_t copyTextN(char* dst, size_t size, const char* src, size_t length);

// Copies src into dst only when it fits whole in size - 1 bytes, for texts that must never be cut
// (paths, arguments). Returns 1 when copied; 0 otherwise, with dst empty (when size is not 0).
int copyWholeText(char* dst, size_t size, const char* src);

// Appends src to the text in dst, cutting the result like copyText. Returns the new length.
size_t appendText(char* dst, size_t size, const char* src);

// The plain byte copy of the game log's own data (fields, names, headers): at most length bytes of
// src, cut at exactly size - 1 bytes even inside a two-byte character, as the log has always been
// read. dst is always terminated when size is not 0. Returns the number of bytes copied.
size_t copyLogTextN(char* dst, size_t size, const char* src, size_t length);

// The same for the whole of src.
size_t copyLogText(char* dst, size_t size, const char* src);

// Reads decimal floating-point text: white space, optional sign, digits, optional fraction, optional
// exponent; no hexadecimal, "inf" or "nan", independent of the C locale. The value is truncated toward
// zero and clamped to the 32-bit range; text without digits reads as 0. *end (when end is not NULL)
// points at the first byte that does not belong to the number (text itself when there was none).
int readDecimal(const char* text, const char** end);

// 1 if the text read by the rule of readDecimal, before truncation, is exactly 1 ("1", "1.0",
// "+1e0"); 0 otherwise.
int decimalIsOne(const char* text);

// The leading-integer rule of the dialog's rate boxes: white space, optional sign, decimal digits up
// to the first other byte; no digits give 0; clamped to the 32-bit range.
int readLeadingInteger(const char* text);

// Copies the decimal digits into out with a "," before every group of three counted from the right
// ("1234567" gives "1,234,567"), cut to size - 1 bytes. Returns the output length.
size_t groupDigits(char* out, size_t size, const char* digits);

#endif
