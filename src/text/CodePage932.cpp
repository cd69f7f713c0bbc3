#include "text/CodePage932.h"

#include "text/Text.h"

// The first bytes whose row of second bytes has gaps, and the runs of second bytes each of them
// defines (inclusive; 0x7F is never a second byte). Every other first byte defines 0x40-0xFC.
struct PartialRow {
    unsigned char first;
    unsigned char runs[6][2];   // runs in ascending order; unused runs are { 0, 0 }
};

static const PartialRow PARTIAL_ROWS[] = {
    { 0x81, { {0x40, 0xAC}, {0xB8, 0xBF}, {0xC8, 0xCE}, {0xDA, 0xE8}, {0xF0, 0xF7}, {0xFC, 0xFC} } },
    { 0x82, { {0x4F, 0x58}, {0x60, 0x79}, {0x81, 0x9A}, {0x9F, 0xF1} } },
    { 0x83, { {0x40, 0x96}, {0x9F, 0xB6}, {0xBF, 0xD6} } },
    { 0x84, { {0x40, 0x60}, {0x70, 0x91}, {0x9F, 0xBE} } },
    { 0x85, { } },
    { 0x86, { } },
    { 0x87, { {0x40, 0x5D}, {0x5F, 0x75}, {0x7E, 0x9C} } },
    { 0x88, { {0x9F, 0xFC} } },
    { 0x98, { {0x40, 0x72}, {0x9F, 0xFC} } },
    { 0xEA, { {0x40, 0xA4} } },
    { 0xEB, { } },
    { 0xEC, { } },
    { 0xEE, { {0x40, 0xEC}, {0xEF, 0xFC} } },
    { 0xEF, { } },
    { 0xFC, { {0x40, 0x4B} } },
};

static int definesSecond(unsigned char first, unsigned char second)
{
    if (second < 0x40 || second == 0x7F || second > 0xFC) return 0;
    for (const PartialRow& row : PARTIAL_ROWS) {
        if (row.first != first) continue;
        for (const auto& run : row.runs)
            if (run[1] && second >= run[0] && second <= run[1]) return 1;
        return 0;
    }
    return 1;
}

size_t characterLength(const char* text)
{
    const unsigned char* p = (const unsigned char*)text;
    if (*p == 0 || *p == 0x80 || *p == 0xA0 || *p >= 0xFD) return 0;
    if (!isLeadByte(*p)) return 1;
    return definesSecond(p[0], p[1]) ? 2 : 0;
}
