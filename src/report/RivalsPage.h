#ifndef VORNIX_RIVALSPAGE_H
#define VORNIX_RIVALSPAGE_H
// "<ID>_対戦相手別.html": under a heading with the range and the conditions, an index of the
// opponents of analysis/RivalGames.h, then a section for each, in its order, with an anchor made of
// the opponent's name: links back to the index and to the report, the row of the per-opponent
// table, the finishing places of both, the running balance as a chart and the last 20 shared games.

#include "text/Text.h"

enum { RIVAL_ANCHOR_SIZE = 2 + 2 * (ID_SIZE - 1) };   // "r", two digits a byte of a name, the zero

// The anchor of the opponent's section: "r" and the bytes of the name as lower-case hex digits, the
// same in every run, so that a link of an older report lands on the same opponent or on none. A name
// longer than ID_SIZE - 1 bytes is cut there.
void formatRivalAnchor(char out[RIVAL_ANCHOR_SIZE], const char* name);

// Writes the page onto the open file of the run's OUTPUT_RIVALS and finishes it (not placed). Returns
// 1 when it was written in full; 0 otherwise (the temporary file is then gone).
int writeRivalsPage(void);

#endif
