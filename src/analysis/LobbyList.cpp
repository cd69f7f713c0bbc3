#include "analysis/LobbyList.h"

#include "analysis/GameEntryParser.h"
#include "text/Text.h"

#include <string.h>

// Counts one entry of the lobby (length bytes of header).
static void countLobby(LogLobbies* lobbies, const char* header, size_t length)
{
    for (int i = 0; i < lobbies->count; i++) {
        LobbyCount* row = &lobbies->rows[i];
        if (strlen(row->lobby) == length && memcmp(row->lobby, header, length) == 0) {
            row->entries++;
            return;
        }
    }
    if (lobbies->count == LOBBY_LIST_CAPACITY) {
        lobbies->more = 1;
        return;
    }
    LobbyCount* row = &lobbies->rows[lobbies->count++];
    copyLogTextN(row->lobby, sizeof row->lobby, header, length);
    row->entries = 1;
}

int listLogLobbies(const char* path, LogLobbies* lobbies)
{
    memset(lobbies, 0, sizeof *lobbies);
    if (!openLogToList(path)) return 0;
    char line[LOG_LINE_SIZE];
    while (readLogLine(line)) {
        if (line[0] != '<') continue;
        size_t length;
        if (findLobby(line + 1, &length)) countLobby(lobbies, line + 1, length);
        // The flag line and the date line are no headers, whatever they begin with.
        if (!readLogLine(line) || !readLogLine(line)) break;
    }
    lobbies->readToEnd = !logReadFailed();
    closeLog();
    return 1;
}
