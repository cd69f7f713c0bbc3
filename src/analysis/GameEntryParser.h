#ifndef VORNIX_GAMEENTRYPARSER_H
#define VORNIX_GAMEENTRYPARSER_H
// Turns one game entry of the log into seats, ranks, scores and a rate, and hands accepted entries on
// to the per-game table and the statistics.

#include "text/Text.h"

enum { MAX_SEATS = 4 };

struct Seat {
    char name[ID_SIZE];   // from the player line, at most 12 bytes
    int rank;             // finishing place, from the result line (not validated)
    int score;            // final score; the scores of an entry sum to 0
};

// The seats of the entries being read and the player's seat are run.seatCount and run.playerSeat
// (analysis/RunState.h).

// Parses the entry whose header line's text (after the "<", line break included) is headerText; the
// text may be cut in place. Returns 1 when the entry was accepted (written and counted), -1 when it was
// skipped (player not seated, rate out of range), 0 when the log ended inside it. Malformed entries
// that seat the analysed player end the process through fatalError.
int parseGameEntry(char* headerText);

#endif
