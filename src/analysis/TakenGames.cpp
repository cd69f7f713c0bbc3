#include "analysis/TakenGames.h"

#include "analysis/RivalGames.h"
#include "platform/platform.h"

#include <stddef.h>
#include <string.h>

FILE* (*openTakenGamesFile)(void) = openScratchFile;

// One kept game as the file holds it, written and read by the same process (no byte order or padding
// to agree on): the fields whole, in one of two forms, then the lobby's bytes unless it is the last kept
// game's. The short form takes nearly every game; the wide one a rate, rank or score it can't hold.
struct KeptHead {
    char date[10];   // the entry's, but the terminator that always follows
    char time[5];
    unsigned char wide;          // 1 for a WideGame, 0 for a ShortGame
    unsigned char lobbyLength;   // bytes of the lobby after the game; KEPT_SAME_LOBBY: none, the last one
    unsigned char seatCount;
    unsigned char playerSeat;
    unsigned char playerId;
};

struct ShortGame {
    typedef uint16_t Rate;
    typedef int8_t Rank;
    typedef int16_t Score;
    KeptHead head;
    uint16_t rate;
    int8_t ranks[MAX_SEATS];
    int16_t scores[MAX_SEATS];
    float shares[MAX_SEATS];
    int32_t records[MAX_SEATS];   // -1 for the player's seat and seats not in use
};

struct WideGame {
    typedef int32_t Rate;
    typedef int32_t Rank;
    typedef int32_t Score;
    KeptHead head;
    int32_t rate;
    int32_t ranks[MAX_SEATS];
    int32_t scores[MAX_SEATS];
    float shares[MAX_SEATS];
    int32_t records[MAX_SEATS];
};

enum {
    KEPT_SAME_LOBBY = 255,
    KEPT_LOBBY_MOST = 254,   // a longer lobby is kept cut (none from a log is)
    KEPT_GAME_MOST = sizeof(WideGame) + KEPT_LOBBY_MOST   // a kept game's bytes at most
};

static_assert(sizeof(GameEntry::date) == 11 && sizeof(GameEntry::time) == 6, "date and time, terminated");
static_assert(TAKEN_GAMES_BUFFER > 2 * KEPT_GAME_MOST, "the buffer holds a kept game");

// 1 when the game's rate, ranks and scores fit a ShortGame.
static int fitsShort(const GameEntry* game)
{
    unsigned beyond = (unsigned)game->rate >> 16;   // a negative rate too
    for (int i = 0; i < MAX_SEATS; i++)
        beyond |= ((unsigned)game->seats[i].rank + 128) >> 8 | ((unsigned)game->seats[i].score + 32768) >> 16;
    return beyond == 0;
}

// A lobby's few bytes, eight at a time, the last eight ending where it ends (they may overlap the
// ones before): no call, no loop over single bytes but for a lobby below eight bytes.
static inline void copyLobby(char* to, const char* from, size_t length)
{
    if (length < 8) {
        for (size_t i = 0; i < length; i++) to[i] = from[i];
        return;
    }
    for (size_t i = 0; i + 8 < length; i += 8) memcpy(to + i, from + i, 8);
    memcpy(to + length - 8, from + length - 8, 8);
}

// memcmp's answer to "the same bytes?" for a lobby, the same way.
static inline int sameLobbyBytes(const char* a, const char* b, size_t length)
{
    if (length < 8) {
        for (size_t i = 0; i < length; i++)
            if (a[i] != b[i]) return 0;
        return 1;
    }
    uint64_t x, y;
    for (size_t i = 0; i + 8 < length; i += 8) {
        memcpy(&x, a + i, 8);
        memcpy(&y, b + i, 8);
        if (x != y) return 0;
    }
    memcpy(&x, a + length - 8, 8);
    memcpy(&y, b + length - 8, 8);
    return x == y;
}

// Each field is stored and loaded where it lies in the buffer, never through a copy of the whole
// record: one built on the stack and then copied is read back before its small stores have landed.
template <typename T>
static inline void store(char* to, size_t at, T value)
{
    memcpy(to + at, &value, sizeof value);
}

template <typename T>
static inline T load(const char* from, size_t at)
{
    T value;
    memcpy(&value, from + at, sizeof value);
    return value;
}

// The game's figures after its head at to, as a ShortGame or a WideGame; returns the bytes written.
template <typename Kept>
static size_t putFigures(char* to, const GameEntry* game, const int records[MAX_SEATS])
{
    store(to, offsetof(Kept, rate), (typename Kept::Rate)game->rate);
    for (int i = 0; i < MAX_SEATS; i++) {
        const Seat* seat = &game->seats[i];
        store(to, offsetof(Kept, ranks) + i * sizeof(typename Kept::Rank), (typename Kept::Rank)seat->rank);
        store(to, offsetof(Kept, scores) + i * sizeof(typename Kept::Score), (typename Kept::Score)seat->score);
        store(to, offsetof(Kept, shares) + i * sizeof(float), seat->share);
        store(to, offsetof(Kept, records) + i * sizeof(int32_t),
              (int32_t)(i < game->seatCount && i != game->playerSeat ? records[i] : -1));
    }
    return sizeof(Kept);
}

// The figures back into game and records; returns the bytes read.
template <typename Kept>
static size_t takeFigures(const char* from, GameEntry* game, int records[MAX_SEATS])
{
    game->rate = load<typename Kept::Rate>(from, offsetof(Kept, rate));
    for (int i = 0; i < MAX_SEATS; i++) {
        Seat* seat = &game->seats[i];
        seat->rank = load<typename Kept::Rank>(from, offsetof(Kept, ranks) + i * sizeof(typename Kept::Rank));
        seat->score = load<typename Kept::Score>(from, offsetof(Kept, scores) + i * sizeof(typename Kept::Score));
        seat->share = load<float>(from, offsetof(Kept, shares) + i * sizeof(float));
        records[i] = load<int32_t>(from, offsetof(Kept, records) + i * sizeof(int32_t));
    }
    return sizeof(Kept);
}

// The bytes of the kept game whose head is at from.
static size_t keptSize(const char* from)
{
    unsigned char wide = (unsigned char)from[offsetof(KeptHead, wide)];
    unsigned char lobbyLength = (unsigned char)from[offsetof(KeptHead, lobbyLength)];
    return (wide ? sizeof(WideGame) : sizeof(ShortGame)) + (lobbyLength == KEPT_SAME_LOBBY ? 0 : lobbyLength);
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
    int sameLobby = lobbyLength == games->lobbyLength && sameLobbyBytes(game->lobby, games->lobby, lobbyLength);
    char* to = games->buffer + games->used;
    memcpy(to + offsetof(KeptHead, date), game->date, sizeof(KeptHead::date));
    memcpy(to + offsetof(KeptHead, time), game->time, sizeof(KeptHead::time));
    int wide = !fitsShort(game);
    to[offsetof(KeptHead, wide)] = (char)wide;
    to[offsetof(KeptHead, lobbyLength)] = (char)(sameLobby ? (size_t)KEPT_SAME_LOBBY : lobbyLength);
    to[offsetof(KeptHead, seatCount)] = (char)game->seatCount;
    to[offsetof(KeptHead, playerSeat)] = (char)game->playerSeat;
    to[offsetof(KeptHead, playerId)] = (char)game->playerId;
    to += wide ? putFigures<WideGame>(to, game, records) : putFigures<ShortGame>(to, game, records);
    if (!sameLobby) {
        copyLobby(to, game->lobby, lobbyLength);
        to += lobbyLength;
        copyLobby(games->lobby, game->lobby, lobbyLength);
        games->lobbyLength = lobbyLength;
    }
    games->used = (size_t)(to - games->buffer);
    games->count++;
}

// The kept game at from back in a game record; a lobby of its own is copied into lobby (terminated),
// which keeps the last one for those that share it.
static void restoreGame(const char* from, GameEntry* game, int records[MAX_SEATS], char lobby[KEPT_LOBBY_MOST + 1])
{
    memcpy(game->date, from + offsetof(KeptHead, date), sizeof(KeptHead::date));
    memcpy(game->time, from + offsetof(KeptHead, time), sizeof(KeptHead::time));
    unsigned char seats = (unsigned char)from[offsetof(KeptHead, seatCount)];
    game->seatCount = seats < MAX_SEATS ? seats : (int)MAX_SEATS;
    game->playerSeat = (unsigned char)from[offsetof(KeptHead, playerSeat)];
    game->playerId = (unsigned char)from[offsetof(KeptHead, playerId)];
    size_t size = from[offsetof(KeptHead, wide)] ? takeFigures<WideGame>(from, game, records)
                                                 : takeFigures<ShortGame>(from, game, records);
    unsigned char lobbyLength = (unsigned char)from[offsetof(KeptHead, lobbyLength)];
    if (lobbyLength != KEPT_SAME_LOBBY) {
        copyLobby(lobby, from + size, lobbyLength);
        lobby[lobbyLength] = '\0';
        game->lobbyLength = lobbyLength;
    }
    game->lobby = lobby;
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
        for (size_t size; filled - at >= sizeof(KeptHead) && filled - at >= (size = keptSize(games->buffer + at));) {
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
