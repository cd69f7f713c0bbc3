#ifndef VORNIX_COLORSCHEME_H
#define VORNIX_COLORSCHEME_H
// The report's four colour schemes, in the order of the dialog's radio buttons: 0 "標準", 1 "白",
// 2 "黒", 3 "青".

#include "settings/Settings.h"   // COLOR_SCHEME_COUNT

struct StyleSlot {
    int fontSize;         // written without a unit
    char color[8];        // "#" and six hexadecimal digits, case as written
    char background[8];   // the same in every slot of a row; only the body's is written
};

// The eight styled elements of the report, in this fixed order.
struct ColorScheme {
    StyleSlot body;
    StyleSlot h3;
    StyleSlot id;       // td.id
    StyleSlot mony;     // td.mony
    StyleSlot rank;     // td.rank
    StyleSlot recent;   // td.recent
    StyleSlot plus;     // td.plus
    StyleSlot minus;    // td.minus
};

extern const ColorScheme colorSchemes[COLOR_SCHEME_COUNT];

// The row for a settings.colorScheme value; a value outside 0 to 3 gets row 0.
const ColorScheme* colorSchemeFor(int scheme);

#endif
