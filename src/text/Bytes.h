#ifndef VORNIX_BYTES_H
#define VORNIX_BYTES_H
// The byte routines of the hot path (finding, copying and measuring bytes in the log's lines and the
// tables' rows), 16 bytes at a time with SSE2 on x86-64, so that a run does not depend on how fast the
// C runtime it is linked with does this; elsewhere they are the C library's. Each does exactly what
// the C function named beside it does, results included.

#include <stddef.h>

// memchr: the first byte c (as unsigned char) among the length bytes at bytes, or NULL.
const char* findByte(const char* bytes, int c, size_t length);

// memcpy: copies length bytes; the two ranges must not overlap.
void copyBytes(void* dst, const void* src, size_t length);

// memmove: copies length bytes; the ranges may overlap.
void moveBytes(void* dst, const void* src, size_t length);

// strlen: the bytes before the terminating zero.
size_t textLength(const char* text);

// strchr: the first byte c (as char) of text, its terminating zero included, or NULL.
const char* findTextByte(const char* text, int c);

// strcspn: the bytes at the start of text that are none of the bytes of stops.
size_t spanUntil(const char* text, const char* stops);

// strstr: the first place text holds needle, or NULL (text itself for an empty needle). Meant for
// short needles: each place where needle's first byte occurs is compared in full.
const char* findText(const char* text, const char* needle);

#endif
