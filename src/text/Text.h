#ifndef VORNIX_TEXT_H
#define VORNIX_TEXT_H
// Fixed-size text buffers, the one cutting copy into them, and the log's byte copy. The number rules
// are in text/Numbers.h.

#include <stddef.h>
#include <stdint.h>

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

// FNV-1a over the text's bytes: the hash of the indexes of opponents, months and lobbies.
inline uint32_t textHash(const char* text)
{
    uint32_t hash = 2166136261u;
    for (const unsigned char* p = (const unsigned char*)text; *p; p++) hash = (hash ^ *p) * 16777619u;
    return hash;
}

// The hash of a name kept in ID_SIZE bytes with zeros after it (a seat's, an opponent record's): the
// sixteen bytes taken as two words (bytes 0-7 and 8-15, as the machine loads them) and mixed, much
// cheaper than a walk over the bytes.
inline uint32_t nameWordsHash(uint64_t low, uint64_t high)
{
    uint64_t hash = low * 0x9E3779B97F4A7C15ull ^ high * 0xC2B2AE3D27D4EB4Full;
    hash ^= hash >> 32;
    hash *= 0xD6E8FEB86659FD93ull;
    return (uint32_t)(hash >> 32);
}

inline uint32_t nameHash(const char name[ID_SIZE])
{
    uint64_t low, high;
    __builtin_memcpy(&low, name, 8);
    __builtin_memcpy(&high, name + 8, 8);
    return nameWordsHash(low, high);
}

// A hash of the length bytes of text taken eight at a time (the last word zero-filled), for texts
// looked up once a game (the lobbies): cheaper than textHash's walk over every byte.
inline uint32_t textWordsHash(const char* text, size_t length)
{
    uint64_t hash = length;
    for (; length >= 8; text += 8, length -= 8) {
        uint64_t word;
        __builtin_memcpy(&word, text, 8);
        hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
        hash ^= hash >> 29;
    }
    uint64_t last = 0;
    for (size_t i = 0; i < length; i++) last |= (uint64_t)(unsigned char)text[i] << (8 * i);
    return nameWordsHash(hash, last);
}

// 1 when two names kept as nameHash's are the same: their sixteen bytes compared as two words.
inline int sameName(const char a[ID_SIZE], const char b[ID_SIZE])
{
    uint64_t a0, a1, b0, b1;
    __builtin_memcpy(&a0, a, 8);
    __builtin_memcpy(&a1, a + 8, 8);
    __builtin_memcpy(&b0, b, 8);
    __builtin_memcpy(&b1, b + 8, 8);
    return ((a0 ^ b0) | (a1 ^ b1)) == 0;
}

#endif
