#include "text/Bytes.h"

#include <stdint.h>
#include <string.h>

#ifdef VORNIX_VECTOR_BYTES
#include <emmintrin.h>

// The scans read whole aligned blocks of 16 bytes. Such a block never crosses a page, so it can be
// read whenever one of its bytes belongs to the text; the bytes of the block outside the text are
// masked off before they count, but the address sanitizer would still take the read for an overflow.
#define WHOLE_BLOCKS __attribute__((no_sanitize_address))

WHOLE_BLOCKS static inline __m128i loadBlock(const char* block)
{
    return _mm_load_si128((const __m128i*)block);
}

static inline unsigned byteMask(__m128i equal)
{
    return (unsigned)_mm_movemask_epi8(equal);
}

// The aligned block holding text, and in *skip the bytes of it before text.
static inline const char* blockOf(const char* text, unsigned* skip)
{
    uintptr_t at = (uintptr_t)text;
    *skip = (unsigned)(at & 15);
    return (const char*)(at & ~(uintptr_t)15);
}

WHOLE_BLOCKS const char* vectorFindByte(const char* bytes, int c, size_t length)
{
    if (length == 0) return NULL;
    const __m128i wanted = _mm_set1_epi8((char)c);
    const char* end = bytes + length;
    unsigned skip;
    const char* block = blockOf(bytes, &skip);
    unsigned mask = byteMask(_mm_cmpeq_epi8(loadBlock(block), wanted)) >> skip << skip;
    while (!mask) {
        block += 16;
        if (block >= end) return NULL;
        mask = byteMask(_mm_cmpeq_epi8(loadBlock(block), wanted));
    }
    const char* found = block + __builtin_ctz(mask);
    return found < end ? found : NULL;
}

WHOLE_BLOCKS size_t vectorTextLength(const char* text)
{
    const __m128i zero = _mm_setzero_si128();
    unsigned skip;
    const char* block = blockOf(text, &skip);
    unsigned mask = byteMask(_mm_cmpeq_epi8(loadBlock(block), zero)) >> skip << skip;
    while (!mask) {
        block += 16;
        mask = byteMask(_mm_cmpeq_epi8(loadBlock(block), zero));
    }
    return (size_t)(block + __builtin_ctz(mask) - text);
}

WHOLE_BLOCKS const char* vectorFindTextByte(const char* text, int c)
{
    const __m128i wanted = _mm_set1_epi8((char)c);
    const __m128i zero = _mm_setzero_si128();
    unsigned skip;
    const char* block = blockOf(text, &skip);
    __m128i bytes = loadBlock(block);
    unsigned mask = byteMask(_mm_or_si128(_mm_cmpeq_epi8(bytes, wanted), _mm_cmpeq_epi8(bytes, zero)))
                    >> skip << skip;
    while (!mask) {
        block += 16;
        bytes = loadBlock(block);
        mask = byteMask(_mm_or_si128(_mm_cmpeq_epi8(bytes, wanted), _mm_cmpeq_epi8(bytes, zero)));
    }
    const char* found = block + __builtin_ctz(mask);
    return *found == (char)c ? found : NULL;
}

// Up to four stop bytes are compared 16 bytes at a time (the callers stop at one or two); more go
// to the C library.
WHOLE_BLOCKS size_t vectorSpanUntil(const char* text, const char* stops)
{
    size_t count = vectorTextLength(stops);
    if (count > 4) return strcspn(text, stops);
    if (count == 0) return vectorTextLength(text);
    __m128i stop[4];
    for (size_t i = 0; i < 4; i++) stop[i] = _mm_set1_epi8(stops[i < count ? i : 0]);
    const __m128i zero = _mm_setzero_si128();
    unsigned skip;
    const char* block = blockOf(text, &skip);
    unsigned mask = 0;
    for (;;) {
        __m128i bytes = loadBlock(block);
        __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, zero), _mm_cmpeq_epi8(bytes, stop[0])),
                                   _mm_or_si128(_mm_cmpeq_epi8(bytes, stop[1]),
                                                _mm_or_si128(_mm_cmpeq_epi8(bytes, stop[2]),
                                                             _mm_cmpeq_epi8(bytes, stop[3]))));
        mask = byteMask(hit) >> skip << skip;
        if (mask) break;
        block += 16;
        skip = 0;
    }
    return (size_t)(block + __builtin_ctz(mask) - text);
}

void vectorMoveBytes(void* dst, const void* src, size_t length)
{
    unsigned char* d = (unsigned char*)dst;
    const unsigned char* s = (const unsigned char*)src;
    // Up to 32 bytes: every byte is loaded before the first store, as two overlapping pieces.
    if (length <= 16) {
        if (length >= 8) {
            uint64_t head, tail;
            memcpy(&head, s, 8);
            memcpy(&tail, s + length - 8, 8);
            memcpy(d, &head, 8);
            memcpy(d + length - 8, &tail, 8);
        } else if (length >= 4) {
            uint32_t head, tail;
            memcpy(&head, s, 4);
            memcpy(&tail, s + length - 4, 4);
            memcpy(d, &head, 4);
            memcpy(d + length - 4, &tail, 4);
        } else if (length >= 2) {
            uint16_t head, tail;
            memcpy(&head, s, 2);
            memcpy(&tail, s + length - 2, 2);
            memcpy(d, &head, 2);
            memcpy(d + length - 2, &tail, 2);
        } else if (length == 1) {
            *d = *s;
        }
        return;
    }
    if (length <= 32) {
        __m128i head = _mm_loadu_si128((const __m128i*)s);
        __m128i tail = _mm_loadu_si128((const __m128i*)(s + length - 16));
        _mm_storeu_si128((__m128i*)d, head);
        _mm_storeu_si128((__m128i*)(d + length - 16), tail);
        return;
    }
    // Longer: in the direction that reads each source byte before it can be overwritten, the piece
    // written last loaded first.
    if (d <= s || d >= s + length) {
        __m128i tail = _mm_loadu_si128((const __m128i*)(s + length - 16));
        for (size_t i = 0; i + 16 < length; i += 16)
            _mm_storeu_si128((__m128i*)(d + i), _mm_loadu_si128((const __m128i*)(s + i)));
        _mm_storeu_si128((__m128i*)(d + length - 16), tail);
    } else {
        __m128i head = _mm_loadu_si128((const __m128i*)s);
        for (size_t i = length; i > 16;) {
            i -= 16;
            _mm_storeu_si128((__m128i*)(d + i), _mm_loadu_si128((const __m128i*)(s + i)));
        }
        _mm_storeu_si128((__m128i*)d, head);
    }
}

const char* vectorFindText(const char* text, const char* needle)
{
    if (!needle[0]) return text;
    for (const char* at = vectorFindTextByte(text, needle[0]); at; at = vectorFindTextByte(at + 1, needle[0])) {
        size_t i = 1;
        while (needle[i] && at[i] == needle[i]) i++;
        if (!needle[i]) return at;
    }
    return NULL;
}

#endif

void mapByte(const char* bytes, size_t length, int c, uint64_t* bits)
{
    size_t words = (length + 63) / 64;
    size_t i = 0;
#ifdef VORNIX_VECTOR_BYTES
    const __m128i wanted = _mm_set1_epi8((char)c);
    for (; (i + 1) * 64 <= length; i++) {
        const __m128i* at = (const __m128i*)(bytes + 64 * i);
        uint64_t word = byteMask(_mm_cmpeq_epi8(_mm_load_si128(at), wanted));
        word |= (uint64_t)byteMask(_mm_cmpeq_epi8(_mm_load_si128(at + 1), wanted)) << 16;
        word |= (uint64_t)byteMask(_mm_cmpeq_epi8(_mm_load_si128(at + 2), wanted)) << 32;
        word |= (uint64_t)byteMask(_mm_cmpeq_epi8(_mm_load_si128(at + 3), wanted)) << 48;
        bits[i] = word;
    }
#endif
    for (; i < words; i++) {
        uint64_t word = 0;
        size_t end = (i + 1) * 64 < length ? (i + 1) * 64 : length;
        for (size_t at = i * 64; at < end; at++)
            if ((unsigned char)bytes[at] == (unsigned char)c) word |= (uint64_t)1 << (at - i * 64);
        bits[i] = word;
    }
}
