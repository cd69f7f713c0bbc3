#ifndef VORNIX_GAMEENTRYPARSER_H
#define VORNIX_GAMEENTRYPARSER_H
// Turns one game entry of the log into a game record: date, lobby, rate, room, game length and the
// seats with their names, ranks and scores (the money is the intake's, analysis/GameIntake.h). It only reads and checks; analysis/GameIntake.h
// decides whether the run takes the game.

#include "text/Text.h"

#include <string.h>

struct LogReader;
struct PlayerIdentity;

enum { MAX_SEATS = 4 };

struct Seat {
    char name[ID_SIZE];   // from the player line, at most 12 bytes, zeros after them
    int rank;             // finishing place, from the result line (not validated)
    int score;            // final score; the scores of an entry sum to 0
    float share;          // the money this seat gets from the player, set when the game is taken
                          // (computeMoneyShares); 0 for the player's own seat
    uint32_t nameHash;    // nameHash of name, taken as the line is read
};

// One game of the analysed player, as the log holds it.
struct GameEntry {
    char gameLength;          // flag line, byte 1: '0' selects the rate marked "東"
    char date[11];            // date line, bytes 1 to 10
    char time[6];             // date line, bytes 12 to 16
    unsigned char lobbyLength;  // the bytes of lobby and of room as the entry was read; 0 in an
    unsigned char roomLength;   // entry made otherwise, which is then measured (entryLobbyLength)
    const char* lobby;        // in the header text handed to readGameEntry
    const char* room;         // in the header text handed to readGameEntry
    int rate;                 // 0 to 20000
    int seatCount;            // seats in use: 4, or 3 for an entry whose fourth player line begins
                              // with "="
    int playerSeat;           // index of the player's seat, the one whose result is the player's
    int playerId;             // which of the player's IDs sits there (PlayerIdentity's index)
    unsigned playerIdsSeated; // bit i set when a seat holds the player's ID i
    Seat seats[MAX_SEATS];
    const char* fault;        // a broken entry: the message of the check that failed (Messages.h)
    long long faultLine;      // a broken entry: the physical line of the log that failed it
    long long cutAtHeader;    // a broken entry cut short by the header line of the next, which
                              // stood for a player line and was given back (unreadLogLine): its own
                              // header line's number; 0 for any other entry
    double money;             // the player's: the seats' shares added in seat order, in double,
                              // set with them (computeMoneyShares)
};

// The bytes of the entry's lobby (none when it has no lobby) and of its room.
inline size_t entryLobbyLength(const GameEntry* game)
{
    return game->lobbyLength ? game->lobbyLength : game->lobby ? strlen(game->lobby) : 0;
}
inline size_t entryRoomLength(const GameEntry* game)
{
    return game->roomLength ? game->roomLength : game->room ? strlen(game->room) : 0;
}

// Copies the entry's lobby into out (size bytes, terminated): an entry read from the log has at most
// 78, copied a word at a time; a longer one made otherwise is cut at a character boundary.
void copyEntryLobby(char* out, size_t size, const GameEntry* game);

// What readGameEntry found.
enum EntryRead {
    ENTRY_BROKEN = -2,        // a check failed: entry->fault and faultLine tell which and where
    ENTRY_NOT_SEATED = -1,    // the analysed player is not seated: only the date, the game length,
                              // the seats and the lobby (NULL when the header can't be split) are
                              // to be used
    ENTRY_LOG_ENDED = 0,      // the log ended inside the entry
    ENTRY_COMPLETE = 1        // the player sits in it and every check passed: *entry is complete
                              // but for the money
};

// Where readGameEntry reads and whom it looks for.
struct EntrySource {
    LogReader* log;                                       // the open log, at the entry's flag line
    const PlayerIdentity* player;                         // whose entries are complete games
    void (*seatNamed)(const Seat* seat, void* context);   // NULL, or told every seat (with context)
                                                          // as soon as its line is read, its name and
                                                          // hash set, a hint for a lookup to come once
                                                          // the entry is complete
    void* context;
    char* spareHeader;   // LOG_LINE_SIZE bytes: the text of a header line met among the body lines,
                         // which begins the entry read instead (lobby and room then point into it)
};

// 1 when the seat is the player's: the game's figures are the player's, not an opponent's.
inline int seatIsPlayers(const GameEntry* game, int seat) { return seat == game->playerSeat; }

// 1 when the entry seats two different IDs of the player: one player can't sit twice at a table, so
// the log or the list of IDs is odd, and the game is nobody's to count.
inline int entrySeatsTwoPlayerIds(const GameEntry* game)
{
    return (game->playerIdsSeated & (game->playerIdsSeated - 1)) != 0;
}

// Reads the entry whose header line's text (after the "<", line break included) is headerText; the
// text may be cut in place, and entry->lobby and room point into it (or into source->spareHeader);
// LOG_LINE_SIZE - 1 bytes can be read at it (it is looked at sixteen bytes at a time). Each entry is
// read with its own seats: up to four player lines, three when the fourth begins with "=". Returns
// an EntryRead. The player lines are checked in every entry, the result line, the sum and the rate
// only in one that seats the player; a failed check returns ENTRY_BROKEN at once, the log then being
// read up to the failing player line or the result line, except that a header line standing for a
// player line is given back to be read again as the next entry's (entry->cutAtHeader). headerLine is
// the header line's number (logLineNumber). The lines come from source->log, the player is
// source->player.
int readGameEntry(const EntrySource* source, char* headerText, long long headerLine, GameEntry* entry);

// Finds the lobby at the start of a header text as readGameEntry cuts it: the bytes before the first
// "(" when a ")" precedes the first "：", else all before that colon. Returns 1 with *length set; 0
// when the header can't be split (no "：", or a ")" without "(" before it).
int findLobby(const char* headerText, size_t* length);

#endif
