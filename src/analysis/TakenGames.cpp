#include "analysis/TakenGames.h"

#include "analysis/RivalGames.h"
#include "platform/platform.h"

#include <stddef.h>
#include <string.h>

FILE* (*openTakenGamesFile)(void) = openScratchFile;

// One kept game as the file holds it, written and read by the same process (no byte order to agree
// on), its numbers in the fewest bytes they fit:
//   date (10 bytes) and time (5), what is kept wide (KEPT_WIDE), the lobby's length (KEPT_SAME_LOBBY:
//   the last kept game's lobby), the seat count, the player's seat and ID (1 byte each), the rate
//   (2 bytes, or 4 wide), the lobby's bytes, then each seat's rank and score (1 and 2 bytes, or 4 and
//   4 wide), for a seat but the player's followed by its share (float) and its record (4 bytes).
enum {
    KEPT_HEAD = 10 + 5 + 5,   // up to the rate
    KEPT_WIDE = 255,          // the wide mark: ranks, scores and rate in 4 bytes each
    KEPT_SAME_LOBBY = 255,    // the lobby length that stands for the last kept game's lobby
    KEPT_LOBBY_MOST = 254,    // a longer lobby is kept cut (none from a log is)
    KEPT_GAME_MOST = KEPT_HEAD + 4 + KEPT_LOBBY_MOST + MAX_SEATS * 16   // a kept game's bytes at most
};

static_assert(sizeof(GameEntry::date) == 11 && sizeof(GameEntry::time) == 6, "date and time, terminated");
static_assert(TAKEN_GAMES_BUFFER > 2 * KEPT_GAME_MOST, "the buffer holds a kept game");

static inline char* put(char* to, const void* from, size_t size)
{
    memcpy(to, from, size);
    return to + size;
}

static inline const char* take(const char* from, void* to, size_t size)
{
    memcpy(to, from, size);
    return from + size;
}

// 1 when the game's rate, ranks and scores need 4 bytes each.
static int keptWide(const GameEntry* game)
{
    if (game->rate < 0 || game->rate > UINT16_MAX) return 1;
    for (int i = 0; i < game->seatCount; i++) {
        const Seat* seat = &game->seats[i];
        if (seat->rank != (int8_t)seat->rank || seat->score != (int16_t)seat->score) return 1;
    }
    return 0;
}

int startTakenGames(TakenGames* games)
{
    closeTakenGames(games);
    games->file = openTakenGamesFile();
    if (!games->file) return 0;
    setvbuf(games->file, NULL, _IONBF, 0);   // written and read in whole buffers already
    return 1;
}

// Writes the buffer's bytes to the file; a short write fails what is kept.
static void writeBuffer(TakenGames* games)
{
    if (games->used && fwrite(games->buffer, 1, games->used, games->file) != games->used) games->failed = 1;
    games->used = 0;
}

void keepTakenGame(TakenGames* games, const GameEntry* game, const int records[MAX_SEATS])
{
    if (!keepingTakenGames(games)) return;
    if (games->used > TAKEN_GAMES_BUFFER - KEPT_GAME_MOST) writeBuffer(games);
    size_t lobbyLength = entryLobbyLength(game);
    if (lobbyLength > KEPT_LOBBY_MOST) lobbyLength = KEPT_LOBBY_MOST;
    int sameLobby = lobbyLength == games->lobbyLength && memcmp(game->lobby, games->lobby, lobbyLength) == 0;
    int wide = keptWide(game);
    unsigned char head[5] = {(unsigned char)(wide ? KEPT_WIDE : 0),
                             (unsigned char)(sameLobby ? (size_t)KEPT_SAME_LOBBY : lobbyLength),
                             (unsigned char)game->seatCount, (unsigned char)game->playerSeat,
                             (unsigned char)game->playerId};
    char* to = games->buffer + games->used;
    to = put(to, game->date, 10);
    to = put(to, game->time, 5);
    to = put(to, head, sizeof head);
    uint16_t rate = (uint16_t)game->rate;
    to = wide ? put(to, &game->rate, 4) : put(to, &rate, 2);
    if (!sameLobby) {
        to = put(to, game->lobby, lobbyLength);
        memcpy(games->lobby, game->lobby, lobbyLength);
        games->lobbyLength = lobbyLength;
    }
    for (int i = 0; i < game->seatCount; i++) {
        const Seat* seat = &game->seats[i];
        int8_t rank = (int8_t)seat->rank;
        int16_t score = (int16_t)seat->score;
        to = wide ? put(put(to, &seat->rank, 4), &seat->score, 4) : put(put(to, &rank, 1), &score, 2);
        if (i != game->playerSeat) to = put(put(to, &seat->share, 4), &records[i], 4);
    }
    games->used = (size_t)(to - games->buffer);
    games->count++;
}

// The bytes of the kept game whose first KEPT_HEAD bytes are at from.
static size_t keptSize(const char* from)
{
    const unsigned char* head = (const unsigned char*)from + 15;
    int wide = head[0] == KEPT_WIDE;
    size_t size = KEPT_HEAD + (wide ? 4 : 2) + (head[1] == KEPT_SAME_LOBBY ? 0 : head[1]);
    int seats = head[2] < MAX_SEATS ? head[2] : (int)MAX_SEATS;
    return size + (size_t)seats * (wide ? 8 : 3) + (size_t)(seats - (head[3] < seats)) * 8;
}

// The kept game at from back in a game record; a lobby of its own is copied into lobby (terminated),
// which keeps the last one for those that share it.
static void restoreGame(const char* from, GameEntry* game, int records[MAX_SEATS], char lobby[KEPT_LOBBY_MOST + 1])
{
    unsigned char head[5];
    from = take(from, game->date, 10);
    from = take(from, game->time, 5);
    from = take(from, head, sizeof head);
    int wide = head[0] == KEPT_WIDE;
    game->seatCount = head[2] < MAX_SEATS ? head[2] : (int)MAX_SEATS;
    game->playerSeat = head[3];
    game->playerId = head[4];
    uint16_t rate;
    from = wide ? take(from, &game->rate, 4) : take(from, &rate, 2);
    if (!wide) game->rate = rate;
    if (head[1] != KEPT_SAME_LOBBY) {
        from = take(from, lobby, head[1]);
        lobby[head[1]] = '\0';
        game->lobbyLength = head[1];
    }
    game->lobby = lobby;
    for (int i = 0; i < game->seatCount; i++) {
        Seat* seat = &game->seats[i];
        int8_t rank;
        int16_t score;
        from = wide ? take(take(from, &seat->rank, 4), &seat->score, 4) : take(take(from, &rank, 1), &score, 2);
        if (!wide) {
            seat->rank = rank;
            seat->score = score;
        }
        records[i] = -1;
        if (i != game->playerSeat) from = take(take(from, &seat->share, 4), &records[i], 4);
    }
}

int replayTakenGames(TakenGames* games, RivalGames* rivals)
{
    if (!keepingTakenGames(games)) return 0;
    writeBuffer(games);
    if (games->failed || fflush(games->file) != 0 || fseek(games->file, 0, SEEK_SET) != 0) return 0;
    GameEntry game;
    memset(&game, 0, sizeof game);
    int records[MAX_SEATS];
    char lobby[KEPT_LOBBY_MOST + 1] = "";
    long long replayed = 0;
    size_t filled = 0;   // bytes of the buffer read from the file, from its start
    int ended = 0;
    while (!ended) {
        size_t got = fread(games->buffer + filled, 1, TAKEN_GAMES_BUFFER - filled, games->file);
        filled += got;
        ended = got == 0;
        size_t at = 0;
        // A game is taken once all of it is in; the next read brings the rest of one cut off.
        while (filled - at >= KEPT_HEAD && filled - at >= keptSize(games->buffer + at)) {
            size_t size = keptSize(games->buffer + at);
            restoreGame(games->buffer + at, &game, records, lobby);
            addGameToRivalsAt(rivals, &game, records);
            at += size;
            replayed++;
        }
        memmove(games->buffer, games->buffer + at, filled - at);
        filled -= at;
    }
    games->used = 0;
    if (ferror(games->file) || filled != 0 || replayed != games->count) games->failed = 1;
    return !games->failed;
}

void closeTakenGames(TakenGames* games)
{
    if (games->file) fclose(games->file);
    games->file = NULL;
    games->failed = 0;
    games->count = 0;
    games->used = 0;
    games->lobbyLength = 0;
}
