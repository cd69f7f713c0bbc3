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
#include <emmintrin.h>

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

// memset to 0 of a record of a constant size (inlined where that size is known): 16 bytes a store.
// For a size of a few hundred bytes the compiler's own clearing is a string instruction, whose start
// costs more than the stores.
inline void clearRecord(void* dst, size_t length)
{
#ifdef VORNIX_VECTOR_BYTES
    char* out = (char*)dst;
    for (; length >= 16; out += 16, length -= 16) _mm_storeu_si128((__m128i*)out, _mm_setzero_si128());
    memset(out, 0, length);
#else
    memset(dst, 0, length);
#endif
}

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

// Where the 16 bytes at text are a, b, c or d: bit i set when text[i] is one of them.
inline unsigned findAmong16(const char* text, char a, char b, char c, char d)
{
#ifdef VORNIX_VECTOR_BYTES
    __m128i bytes = _mm_loadu_si128((const __m128i*)text);
    __m128i found = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(a)), _mm_cmpeq_epi8(bytes, _mm_set1_epi8(b))),
                                 _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)), _mm_cmpeq_epi8(bytes, _mm_set1_epi8(d))));
    return (unsigned)_mm_movemask_epi8(found);
#else
    unsigned found = 0;
    for (int i = 0; i < 16; i++)
        if (text[i] == a || text[i] == b || text[i] == c || text[i] == d) found |= 1u << i;
    return found;
#endif
}

// strlen for a text whose terminating zero lies within its first `readable` bytes, all of which can
// be read (a line of the game log, or a text in a buffer of known size): 16 bytes at a time, no call.
inline size_t boundedTextLength(const char* text, size_t readable)
{
#ifdef VORNIX_VECTOR_BYTES
    size_t i = 0;
    for (; i + 16 <= readable; i += 16) {
        __m128i bytes = _mm_loadu_si128((const __m128i*)(text + i));
        unsigned zeros = (unsigned)_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_setzero_si128()));
        if (zeros) return i + (size_t)__builtin_ctz(zeros);
    }
    while (text[i]) i++;   // the bytes after the last 16
    return i;
#else
    (void)readable;
    return strlen(text);
#endif
}

// strcspn(text, "\n") for a text whose line feed or terminating zero lies within its first
// `readable` bytes, all of which can be read: 16 bytes at a time, no call.
inline size_t boundedLineLength(const char* text, size_t readable)
{
    size_t i = 0;
    for (; i + 16 <= readable; i += 16) {
        unsigned ends = findAmong16(text + i, '\n', '\0', '\n', '\0');
        if (ends) return i + (size_t)__builtin_ctz(ends);
    }
    return i + spanUntil(text + i, "\n");
}

// The bytes at the start of text that are above space (0x21 to 0xFF), at most 16: those of a name,
// in one comparison. 16 bytes must be readable at text.
inline size_t spanAboveSpace16(const char* text)
{
#ifdef VORNIX_VECTOR_BYTES
    __m128i bytes = _mm_loadu_si128((const __m128i*)text);
    __m128i lowest = _mm_min_epu8(bytes, _mm_set1_epi8(' '));
    unsigned notAbove = (unsigned)_mm_movemask_epi8(_mm_cmpeq_epi8(lowest, bytes));
    return (size_t)__builtin_ctz(notAbove | 0x10000u);
#else
    size_t length = 0;
    while (length < 16 && (unsigned char)text[length] > ' ') length++;
    return length;
#endif
}

// The length of a text kept in a buffer of size bytes (4 to 16: a name, a date) that holds its
// terminating zero: strnlen(text, size), found without a loop, in one comparison of 16 bytes (a
// name, with SSE2) or two reads of the buffer's first and last 8 (or 4) bytes. Every byte of the
// buffer is read, those after the text too.
inline size_t heldTextLength(const char* text, size_t size)
{
#ifdef VORNIX_VECTOR_BYTES
    if (size == 16) {   // a name: one read, one comparison
        __m128i bytes = _mm_loadu_si128((const __m128i*)text);
        unsigned zeros = (unsigned)_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_setzero_si128()));
        return zeros ? (size_t)__builtin_ctz(zeros) : 16;
    }
#endif
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // A byte of zeros is set where the word has a zero byte, and may be set above one (a borrow);
    // the lowest set one is exact. The two reads overlap when size is less than 16.
    const uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
    uint64_t first, last;
    size_t lastAt;
    if (size >= 8) {
        memcpy(&first, text, 8);
        memcpy(&last, text + size - 8, 8);
        lastAt = size - 8;
    } else {
        uint32_t firstHalf, lastHalf;
        memcpy(&firstHalf, text, 4);
        memcpy(&lastHalf, text + size - 4, 4);
        first = firstHalf | ~0ull << 32;
        last = lastHalf | ~0ull << 32;
        lastAt = size - 4;
    }
    uint64_t zeros = (first - ones) & ~first & highs;
    if (zeros) return (size_t)__builtin_ctzll(zeros) / 8;
    zeros = (last - ones) & ~last & highs;
    return zeros ? lastAt + (size_t)__builtin_ctzll(zeros) / 8 : size;
#else
    const char* zero = (const char*)memchr(text, 0, size);
    return zero ? (size_t)(zero - text) : size;
#endif
}

#endif
