#include "text/Bytes.h"

#include <gtest/gtest.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#ifdef VORNIX_VECTOR_BYTES

// Each of our own routines against its C library twin: random texts of 0 to 300 bytes drawn from few byte values
// (so that sought bytes occur often), at each of the 16 alignments, the sought byte also >= 0x80; the map of
// a byte's places (aligned texts only, as the log's blocks are) against the bytes themselves.
TEST(Bytes, AgreeWithTheCLibrary)
{
    alignas(16) static char area[400];
    alignas(16) static char mine[400];
    alignas(16) static char theirs[400];
    const unsigned char alphabet[] = { 'a', 'b', '\n', '\r', 0x81, 0x46, 0xFF };
    srand(30);
    for (size_t length = 0; length <= 300; length++) {
        for (size_t align = 0; align < 16; align++) {
            SCOPED_TRACE(testing::Message() << "length " << length << ", alignment " << align);
            char* text = area + align;
            for (size_t i = 0; i < length; i++) text[i] = (char)alphabet[rand() % sizeof alphabet];
            text[length] = '\0';
            for (unsigned char c : { (unsigned char)'b', (unsigned char)'\n', (unsigned char)0x81,
                                     (unsigned char)'z', (unsigned char)0 }) {
                ASSERT_EQ(vectorFindByte(text, c, length), (const char*)memchr(text, c, length));
                ASSERT_EQ(vectorFindTextByte(text, (char)c), strchr(text, (char)c));
                uint64_t bits[5];   // the map of the block's bytes, which are aligned
                if (align == 0) mapByte(text, length, c, bits);
                for (size_t i = 0; align == 0 && i < (length + 63) / 64 * 64; i++)
                    ASSERT_EQ(bits[i / 64] >> i % 64 & 1, (uint64_t)(i < length && text[i] == (char)c)) << i;
            }
            ASSERT_EQ(vectorTextLength(text), strlen(text));
            for (size_t readable : { length + 1, length + 1 + (16 - (length + 1) % 16) % 16 }) {
                ASSERT_EQ(boundedTextLength(text, readable), strlen(text));
                ASSERT_EQ(boundedLineLength(text, readable), strcspn(text, "\n"));
            }
            size_t above = 0;   // the bytes above space the name scan takes at once
            while (above < 16 && above < length && (unsigned char)text[above] > ' ') above++;
            if (length >= 16) {
                ASSERT_EQ(spanAboveSpace16(text), above);
            }
            for (const char* stops : { "", "\n", "\r\n", "ab\n\x81", "ab\r\n\x46" })
                ASSERT_EQ(vectorSpanUntil(text, stops), strcspn(text, stops));
            for (const char* needle : { "", "a", "\x81\x46", "ab\n", "zz" })
                ASSERT_EQ(vectorFindText(text, needle), strstr(text, needle));
            // Copies from the text to each offset around it, overlapping both ways.
            for (size_t to : { (size_t)0, align + 1, align + 17, (size_t)40 }) {
                memcpy(mine, area, sizeof area);
                memcpy(theirs, area, sizeof area);
                vectorMoveBytes(mine + to, mine + align, length);
                memmove(theirs + to, theirs + align, length);
                ASSERT_EQ(memcmp(mine, theirs, sizeof area), 0) << "moved to " << to;
            }
            memset(mine, 0, sizeof mine);
            memset(theirs, 0, sizeof theirs);
            vectorMoveBytes(mine + 31 - align, text, length);
            memcpy(theirs + 31 - align, text, length);
            ASSERT_EQ(memcmp(mine, theirs, sizeof mine), 0);
            memset(mine, 0x5A, sizeof mine);   // cleared: those bytes only
            memset(theirs, 0x5A, sizeof theirs);
            clearRecord(mine + align, length);
            memset(theirs + align, 0, length);
            ASSERT_EQ(memcmp(mine, theirs, sizeof mine), 0) << "cleared";
        }
    }
}

#endif

// Buffers of 4 to 16 bytes with the terminator at each place, the bytes around it chosen so that a
// borrow of the word-wide search would show (0x01 after the zero, 0x80 and 0xFF before it), and the
// bytes after the text zeros or not.
TEST(Bytes, HeldTextLengthIsTheLengthBeforeTheFirstZero)
{
    const unsigned char fillers[] = { 0x01, 0x80, 0x81, 0xFF, 'a' };
    for (size_t size = 4; size <= 16; size++) {
        for (size_t zero = 0; zero < size; zero++) {
            for (unsigned char filler : fillers) {
                for (unsigned char after : { (unsigned char)0, (unsigned char)0x01, filler }) {
                    char buffer[16];
                    for (size_t i = 0; i < size; i++) buffer[i] = (char)(i < zero ? filler : after);
                    buffer[zero] = '\0';
                    ASSERT_EQ(heldTextLength(buffer, size), zero)
                        << "size " << size << ", filler " << (int)filler << ", after " << (int)after;
                }
            }
        }
    }
}
