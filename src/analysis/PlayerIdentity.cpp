#include "analysis/PlayerIdentity.h"

#include "text/Bytes.h"

#include <string.h>

void setPlayerIdentity(PlayerIdentity* player, const char* id)
{
    memset(player->ids[0], 0, sizeof player->ids[0]);
    copyText(player->ids[0], sizeof player->ids[0], id);
    player->count = 1;
}

int addPlayerId(PlayerIdentity* player, const char* id)
{
    if (player->count >= PLAYER_IDS) return 0;
    memset(player->ids[player->count], 0, sizeof player->ids[0]);
    copyText(player->ids[player->count], sizeof player->ids[0], id);
    player->count++;
    return 1;
}

static int holdsId(const PlayerIdentity* player, const char* id)
{
    for (int i = 0; i < player->count; i++)
        if (strcmp(player->ids[i], id) == 0) return 1;
    return 0;
}

void addPlayerIdList(PlayerIdentity* player, const char* list)
{
    while (*list) {
        size_t length = strcspn(list, ";");
        char id[ID_SIZE];
        copyTextN(id, sizeof id, list, length);
        // One the identity holds already (the ID typed again among them) is the same player.
        if (length && !holdsId(player, id) && !addPlayerId(player, id)) return;
        list += length + (list[length] == ';');
    }
}

// The white space of "%s": space, and tab to carriage return (0x09-0x0D). Every byte of a name is above
// space, so one comparison settles it.
static inline int isWhiteSpace(unsigned char c)
{
    return c <= ' ' && (c == ' ' || (unsigned)(c - '\t') <= '\r' - '\t');
}

// A byte of a name: neither white space nor the terminating zero.
static inline int isNameByte(unsigned char c)
{
    return c > ' ' || (c != '\0' && !isWhiteSpace(c));
}

size_t scanPlayerLineName(const char* line, const char** name)
{
    if (line[0] != '#') return 0;
    const char* start = line + 1;
    while (isWhiteSpace((unsigned char)*start)) start++;
    size_t length = 0;
    while (isNameByte((unsigned char)start[length])) length++;
    *name = start;
    return length;
}

size_t scanReadablePlayerLineName(const char* line, size_t readable, const char** name)
{
    if (line[0] != '#') return 0;
    const char* start = line + 1;
    while (isWhiteSpace((unsigned char)*start)) start++;
    size_t length = start + 16 <= line + readable ? spanAboveSpace16(start) : 0;
    while (isNameByte((unsigned char)start[length])) length++;   // the rest: a control byte is a name's
    *name = start;
    return length;
}

int nameRunPlayerId(const PlayerIdentity* player, const char* name, size_t length)
{
    if (length == 0) return -1;
    const size_t kept = SEAT_NAME_LENGTH;
    for (int i = 0; i < player->count; i++) {
        if (player->ids[i][0] != name[0]) continue;   // most seats are others': settled by a byte
        size_t idLength = strlen(player->ids[i]);
        // A short ID is compared with the name as the seat keeps it, so it matches as it always did;
        // the whole run is what tells a long ID from another one with the same first 12 bytes.
        size_t compared = idLength <= kept && length > kept ? kept : length;
        if (compared == idLength && memcmp(name, player->ids[i], idLength) == 0) return i;
    }
    return -1;
}

int playerLineSeatsPlayer(const PlayerIdentity* player, const char* line)
{
    const char* name;
    size_t length = scanPlayerLineName(line, &name);
    return nameRunIsPlayer(player, name, length);
}
