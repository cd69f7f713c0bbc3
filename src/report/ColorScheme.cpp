#include "report/ColorScheme.h"

#define SLOT(size, color, background) { size, color, background }

const ColorScheme colorSchemes[COLOR_SCHEME_COUNT] = {
    {   // 0 "標準"
        SLOT(14, "#660000", "#fde3fc"), SLOT(18, "#660000", "#fde3fc"),
        SLOT(16, "#660000", "#fde3fc"), SLOT(16, "#660000", "#fde3fc"),
        SLOT(20, "#660000", "#fde3fc"), SLOT(16, "#660000", "#fde3fc"),
        SLOT(16, "#436EEE", "#fde3fc"), SLOT(16, "#d21f15", "#fde3fc"),
    },
    {   // 1 "白"
        SLOT(14, "#000000", "#ffffff"), SLOT(18, "#3311dd", "#ffffff"),
        SLOT(16, "#000000", "#ffffff"), SLOT(16, "#000000", "#ffffff"),
        SLOT(20, "#ff1493", "#ffffff"), SLOT(16, "#000000", "#ffffff"),
        SLOT(16, "#0000bb", "#ffffff"), SLOT(16, "#ff0000", "#ffffff"),
    },
    {   // 2 "黒"
        SLOT(14, "#ffffff", "#000000"), SLOT(18, "#6633ff", "#000000"),
        SLOT(16, "#ffffff", "#000000"), SLOT(16, "#ffffff", "#000000"),
        SLOT(20, "#ffff00", "#000000"), SLOT(16, "#ffffff", "#000000"),
        SLOT(16, "#00ffff", "#000000"), SLOT(16, "#ff0000", "#000000"),
    },
    {   // 3 "青"
        SLOT(14, "#483d8b", "#e6e6fa"), SLOT(18, "#008b45", "#e6e6fa"),
        SLOT(16, "#483d8b", "#e6e6fa"), SLOT(16, "#483d8b", "#e6e6fa"),
        SLOT(20, "#9a32cd", "#e6e6fa"), SLOT(16, "#483d8b", "#e6e6fa"),
        SLOT(16, "#1874cd", "#e6e6fa"), SLOT(16, "#cd6889", "#e6e6fa"),
    },
};

const ColorScheme* colorSchemeFor(int scheme)
{
    if (scheme < 0 || scheme >= COLOR_SCHEME_COUNT) scheme = 0;
    return &colorSchemes[scheme];
}
