#ifndef VORNIX_BYTES_H
#define VORNIX_BYTES_H
// The byte routines of the hot path (finding, copying and measuring bytes in the log's lines and the
// tables' rows). On x86-64 they exist in our own form, 16 bytes at a time with SSE2; the Windows build
// uses those, so that a run does not depend on how fast its C runtime does this, and elsewhere the
// names are the C library's routines (glibc picks wider ones for the processor at hand). Each does
// exactly what the C function named beside it does, results included.

#include <stddef.h>
#include <stdint.h>
#include <string.h>

// Marks where c (as unsigned char) occurs among the length bytes at bytes: bit i % 64 of bits[i / 64]
// is set when bytes[i] is c. Fills (length + 63) / 64 words; the bits of the last word past length
// are 0. bytes must be 16-byte aligned (a block of the game log).
void mapByte(const char* bytes, size_t length, int c, uint64_t* bits);

#if defined(__SSE2__) && defined(__x86_64__)
#define VORNIX_VECTOR_BYTES 1

// Our own forms, for the names below and for their test.
const char* vectorFindByte(const char* bytes, int c, size_t length);
void vectorMoveBytes(void* dst, const void* src, size_t length);
size_t vectorTextLength(const char* text);
const char* vectorFindTextByte(const char* text, int c);
size_t vectorSpanUntil(const char* text, const char* stops);
const char* vectorFindText(const char* text, const char* needle);
#endif

#if defined(VORNIX_VECTOR_BYTES) && defined(_WIN32)
#define VORNIX_OWN_BYTES 1
#endif

// memchr: the first byte c (as unsigned char) among the length bytes at bytes, or NULL.
inline const char* findByte(const char* bytes, int c, size_t length)
{
#ifdef VORNIX_OWN_BYTES
    return vectorFindByte(bytes, c, length);
#else
    return (const char*)memchr(bytes, c, length);
#endif
}

// memcpy: copies length bytes; the two ranges must not overlap.
inline void copyBytes(void* dst, const void* src, size_t length)
{
#ifdef VORNIX_OWN_BYTES
    vectorMoveBytes(dst, src, length);
#else
    memcpy(dst, src, length);
#endif
}

// memmove: copies length bytes; the ranges may overlap.
inline void moveBytes(void* dst, const void* src, size_t length)
{
#ifdef VORNIX_OWN_BYTES
    vectorMoveBytes(dst, src, length);
#else
    memmove(dst, src, length);
#endif
}

// strlen: the bytes before the terminating zero.
inline size_t textLength(const char* text)
{
#ifdef VORNIX_OWN_BYTES
    return vectorTextLength(text);
#else
    return strlen(text);
#endif
}

// strchr: the first byte c (as char) of text, its terminating zero included, or NULL.
inline const char* findTextByte(const char* text, int c)
{
#ifdef VORNIX_OWN_BYTES
    return vectorFindTextByte(text, c);
#else
    return strchr(text, c);
#endif
}

// strcspn: the bytes at the start of text that are none of the bytes of stops.
inline size_t spanUntil(const char* text, const char* stops)
{
#ifdef VORNIX_OWN_BYTES
    return vectorSpanUntil(text, stops);
#else
    return strcspn(text, stops);
#endif
}

// strstr: the first place text holds needle, or NULL (text itself for an empty needle). Our form is
// meant for short needles: each place where needle's first byte occurs is compared in full.
inline const char* findText(const char* text, const char* needle)
{
#ifdef VORNIX_OWN_BYTES
    return vectorFindText(text, needle);
#else
    return strstr(text, needle);
#endif
}

#endif
