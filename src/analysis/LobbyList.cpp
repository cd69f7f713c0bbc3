#include "analysis/LobbyList.h"

#include "analysis/GameEntryParser.h"
#include "analysis/PlayerIdentity.h"
#include "text/Text.h"

#include <string.h>

// Counts one entry of the lobby (length bytes of header). Returns its row; NULL beyond the capacity.
static LobbyCount* countLobby(LogLobbies* lobbies, const char* header, size_t length)
{
    for (int i = 0; i < lobbies->count; i++) {
        LobbyCount* row = &lobbies->rows[i];
        if (strlen(row->lobby) == length && memcmp(row->lobby, header, length) == 0) {
            row->entries++;
            return row;
        }
    }
    if (lobbies->count == LOBBY_LIST_CAPACITY) {
        lobbies->more = 1;
        return NULL;
    }
    LobbyCount* row = &lobbies->rows[lobbies->count++];
    copyLogTextN(row->lobby, sizeof row->lobby, header, length);
    row->entries = 1;
    return row;
}

// Reads the player lines after an entry's date line and counts the entry in row's games when one
// seats the player. Returns 0 at the log's end, -1 when a line beginning with "<" (the next entry,
// left in line) cut the entry short, 1 otherwise.
static int countPlayer(LogReader* log, LobbyCount* row, const PlayerIdentity* player, char line[LOG_LINE_SIZE])
{
    for (int seat = 0; seat < 4; seat++) {
        if (!readLogLine(log, line)) return 0;
        if (line[0] == '<') return -1;
        if (row && playerLineSeatsPlayer(player, line)) {
            row->games++;
            row = NULL;
        }
    }
    return 1;
}

int listLogLobbies(const char* path, const char* id, LogLobbies* lobbies)
{
    memset(lobbies, 0, sizeof *lobbies);
    LogReader reader = {};   // a listing's own, never the run's
    LogReader* log = &reader;
    if (!openLogToList(log, path)) return 0;
    PlayerIdentity player;
    setPlayerIdentity(&player, id ? id : "");
    char line[LOG_LINE_SIZE];
    int pending = 0;   // line holds the next header already
    while (pending || readLogLine(log, line)) {
        pending = 0;
        if (line[0] != '<') continue;
        size_t length;
        LobbyCount* row = findLobby(line + 1, &length) ? countLobby(lobbies, line + 1, length) : NULL;
        // The flag line and the date line are no headers, whatever they begin with.
        if (!readLogLine(log, line) || !readLogLine(log, line)) break;
        if (!id || !id[0]) continue;
        int read = countPlayer(log, row, &player, line);
        if (read == 0) break;
        pending = read < 0;
    }
    lobbies->readToEnd = !logReadFailed(log);
    closeLog(log);
    return 1;
}
