#include "text/CodePage932.h"
#include "text/PlayerId.h"
#include "text/Text.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <string>

TEST(PlayerId, IdsAreJudgedPerCharacter)
{
    struct Case { const char* id; int valid; const char* rule; };
    const Case cases[] = {
        { "Sakura77", 1, "letters and digits" },
        { "ソポ表", 1, "second bytes 0x5C and 0x7C belong to their characters" },
        { "山田-太郎_.", 1, "Japanese text and punctuation a file name holds" },
        { "ｱｲ①\xF0\x40", 1, "half-width katakana, circled digits, a user-defined character" },
        { "../up", 0, "a slash reaches another folder" },
        { "a\\b", 0, "a back-slash too" },
        { "C:x", 0, "a colon names a drive or a stream" },
        { "a*", 0, "*" }, { "a?", 0, "?" }, { "a\"", 0, "\"" }, { "<a", 0, "<" }, { "a>", 0, ">" },
        { "a|b", 0, "|" },
        { "a\tb", 0, "a control byte" },
        { "a\x7f", 0, "DEL" },
        { "ア\\", 0, "a one-byte back-slash after a one-byte katakana" },
        // These used to pass: the byte after a first byte was skipped whatever it was.
        { "\x81/x", 0, "a slash after a first byte is no second byte: it made a subfolder" },
        { "\x81\nq", 0, "a line feed after a first byte: it went into the file name" },
        { "abc\x81", 0, "a lone first byte at the end swallowed the table name's _" },
        { "\x85\\y", 0, "a code the table leaves empty: its back-slash made a subfolder on Linux" },
        { "\x81\x7f", 0, "0x7F is never a second byte" },
        { "a\x80", 0, "0x80 is no character" }, { "a\xA0", 0, "0xA0 neither" }, { "a\xFD", 0, "nor 0xFD" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(idIsValid(c.id), c.valid);
    }
}

// 1 when glibc's code page 932 converts the bytes whole.
static int iconvTakes(const std::string& bytes)
{
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    char* in = (char*)bytes.data();
    size_t inLeft = bytes.size();
    char out[16];
    char* dst = out;
    size_t outLeft = sizeof out;
    int whole = iconv(cd, &in, &inLeft, &dst, &outLeft) != (size_t)-1 && inLeft == 0;
    iconv_close(cd);
    return whole;
}

// The table of defined codes agrees with an independent one on every one- and two-byte sequence.
TEST(PlayerId, CharacterTableAgreesWithTheSystemsCodePage)
{
    for (int first = 1; first < 256; first++) {
        std::string one(1, (char)first);
        if (!isLeadByte((unsigned char)first)) {
            ASSERT_EQ(characterLength(one.c_str()) == 1, iconvTakes(one)) << std::hex << first;
            continue;
        }
        EXPECT_EQ(characterLength(one.c_str()), 0u) << "a lone first byte " << std::hex << first;
        for (int second = 1; second < 256; second++) {
            std::string two = one + (char)second;
            ASSERT_EQ(characterLength(two.c_str()) == 2, iconvTakes(two)) << std::hex << first << " " << second;
        }
    }
}
