#ifndef VORNIX_PLAYERIDENTITY_H
#define VORNIX_PLAYERIDENTITY_H
// Who the analysed player is, as one value handed to the reading, and whether a player line of the
// log seats the player.

#include "text/Text.h"

#include <stddef.h>

enum {
    PLAYER_IDS = 10,         // IDs that are the player: the ID and up to 9 further ones
    SEAT_NAME_LENGTH = 12    // the bytes of a player line's name that a seat keeps ("#%12s")
};

struct PlayerIdentity {
    char ids[PLAYER_IDS][ID_SIZE];   // each at most 15 bytes, code page 932, zeros after it
    int count;                       // IDs in use
};

// Makes id (cut to fit) the one ID of the player.
void setPlayerIdentity(PlayerIdentity* player, const char* id);

// Adds id (cut to fit) as a further ID of the same player. Returns 0, the identity unchanged, when
// it holds PLAYER_IDS already.
int addPlayerId(PlayerIdentity* player, const char* id);

// Adds the IDs of list ("B;C;", each ";"-terminated, empty items and IDs the identity holds already
// skipped) as addPlayerId does, as many as fit.
void addPlayerIdList(PlayerIdentity* player, const char* list);

// The ID the outputs are named after and the report greets: the first.
inline const char* playerDisplayId(const PlayerIdentity* player) { return player->ids[0]; }

// The name run of a player line: the text after "#" and white space, up to the next white space.
// Returns its length with *name at its start; 0 for a line without "#" or without a name.
size_t scanPlayerLineName(const char* line, const char** name);

// The same for a line of at least readable bytes (a line of the log: LOG_LINE_SIZE), most of its
// name then measured at once.
size_t scanReadablePlayerLineName(const char* line, size_t readable, const char** name);

// Which of the player's IDs a name run of length bytes (scanPlayerLineName) is: an ID of at most 12
// bytes equals the run's first 12 bytes (the name as the seat keeps it), a longer ID (13 to 15 bytes)
// the whole run. Returns the index of the first ID that matches; -1 for none or an empty run.
int nameRunPlayerId(const PlayerIdentity* player, const char* name, size_t length);

// nameRunPlayerId for a run whose first 12 bytes (or fewer) a seat keeps in kept, zeros after them:
// an ID of at most 12 bytes is then compared with kept as two words.
inline int seatRunPlayerId(const PlayerIdentity* player, const char kept[ID_SIZE], const char* name,
                           size_t length)
{
    for (int i = 0; i < player->count; i++) {
        const char* id = player->ids[i];
        if (id[SEAT_NAME_LENGTH] == '\0' ? sameName(kept, id) : nameRunPlayerId(player, name, length) == i)
            return i;
    }
    return -1;
}

// 1 when nameRunPlayerId finds one of the player's IDs.
inline int nameRunIsPlayer(const PlayerIdentity* player, const char* name, size_t length)
{
    return nameRunPlayerId(player, name, length) >= 0;
}

// Both in one: 1 when the player line seats the player.
int playerLineSeatsPlayer(const PlayerIdentity* player, const char* line);

#endif
