#ifndef VORNIX_LOBBYLIST_H
#define VORNIX_LOBBYLIST_H
// The lobbies of a game log with their numbers of entries, for choosing the lobby condition. Read
// through the log reader (its lines and CR LF rule) and cut like the entry parser cuts a header.

#include "analysis/LogReader.h"

enum { LOBBY_LIST_CAPACITY = 100 };

struct LobbyCount {
    char lobby[LOG_LINE_SIZE];   // as the per-game table writes it, at most 78 bytes
    int entries;                 // entries of the log in that lobby, of every player
    int games;                   // of them, those with a player line naming the ID (0 without one)
};

struct LogLobbies {
    LobbyCount rows[LOBBY_LIST_CAPACITY];   // in the order of each lobby's first entry
    int count;                              // rows in use
    int more;                               // 1 when lobbies beyond the capacity were left out
    int readToEnd;                          // 0 when a read error ended the listing early
};

// Lists the lobbies of the log at path (code page 932) into *lobbies. An entry is a line beginning
// with "<" (not the two lines after such a line); one whose header can't be split is not counted.
// With an id (not NULL or empty), the entries whose player lines (up to four) name it are counted
// in games too.
// Never ends the process. Returns 0 when the log can't be opened (*lobbies then empty), 1 otherwise.
// Reads the log with a reader of its own, closed at the end: a run's log is not touched.
int listLogLobbies(const char* path, const char* id, LogLobbies* lobbies);

#endif
