#ifndef VORNIX_GAMEENTRYPARSER_H
#define VORNIX_GAMEENTRYPARSER_H
// Turns one game entry of the log into a game record: date, lobby, rate, room, game length and the
// seats with their names, ranks, scores and money. It only reads and checks; analysis/GameIntake.h
// decides whether the run takes the game.

#include "text/Text.h"

enum { MAX_SEATS = 4 };

struct Seat {
    char name[ID_SIZE];   // from the player line, at most 12 bytes
    int rank;             // finishing place, from the result line (not validated)
    int score;            // final score; the scores of an entry sum to 0
    float share;          // the money this seat gets from the player (computeMoneyShares); 0 for
                          // the player's own seat
};

// One game of the analysed player, as the log holds it.
struct GameEntry {
    char gameLength;          // flag line, byte 1: '0' selects the rate marked "東"
    char date[11];            // date line, bytes 1 to 10
    char time[6];             // date line, bytes 12 to 16
    const char* lobby;        // in the header text handed to readGameEntry
    const char* room;         // in the header text handed to readGameEntry
    int rate;                 // 0 to 20000
    int seatCount;            // seats in use: 4, or 3 for a 3-player entry
    int playerSeat;           // index of the analysed player's seat
    Seat seats[MAX_SEATS];
};

// Reads the entry whose header line's text (after the "<", line break included) is headerText; the
// text may be cut in place, and entry->lobby and room point into it. Returns 1 when the analysed player
// sits in it and every check passed (*entry is complete, money included), -1 when the player is not
// seated (*entry is then not to be used), 0 when the log ended inside it. Malformed entries that seat
// the analysed player end the process through fatalError. The seats of the entries being read are
// run.seatCount: 4 at a run's start, 3 from the first 3-player entry on.
int readGameEntry(char* headerText, GameEntry* entry);

#endif
