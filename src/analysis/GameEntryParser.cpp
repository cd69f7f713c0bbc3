#include "analysis/GameEntryParser.h"

#include "analysis/LogReader.h"
#include "analysis/PlayerIdentity.h"
#include "text/Bytes.h"
#include "text/Messages.h"
#include "text/Numbers.h"

#include <string.h>

enum { MAX_RATE = 20000 };

// What the lines after the player lines turned out to be.
enum NextLine { LOG_ENDED, NEW_ENTRY, RESULT_LINE };

// Bytes from..to (inclusive) of a line whose bytes before its line break or end are length.
static inline void copyColumns(char* out, size_t size, const char* line, size_t length, size_t from, size_t to)
{
    if (length > to) {   // the usual line: the columns whole, in a copy of fixed size
        memcpy(out, line + from, to - from + 1);
        out[to - from + 1] = '\0';
        return;
    }
    if (length <= from) {
        out[0] = '\0';
        return;
    }
    copyLogTextN(out, size, line + from, length - from);
}

// Keeps the name run of length bytes (at most 12) at offset `at` of a line as a seat keeps it, zeros
// after it, and its hash. A line's LOG_LINE_SIZE bytes can be read (nextLogLine), so a run that
// starts early enough is taken as two words (the masks are for a little-endian machine), masked, and
// hashed without reading it back.
static void keepSeatName(Seat* seat, const char* name, size_t length, size_t at)
{
    if (at + 16 > LOG_LINE_SIZE || __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__) {
        copyLogTextN(seat->name, ID_SIZE, name, length);
        seat->nameHash = nameHash(seat->name);
        return;
    }
    uint64_t low, high;
    memcpy(&low, name, 8);
    memcpy(&high, name + 8, 8);
    low &= length >= 8 ? ~0ull : (1ull << (8 * length)) - 1;
    high &= length <= 8 ? 0 : (1ull << (8 * (length - 8))) - 1;
    memcpy(seat->name, &low, 8);
    memcpy(seat->name + 8, &high, 8);
    seat->nameHash = nameWordsHash(low, high);
}

// Reads the seat's name of a player line like "#%12s" ("#", white space, then up to 12 bytes that
// are not white space) into seat, and which of the player's IDs it seats into *playerId (-1 for
// none). Returns 0 when the line does not begin with "#" or holds no name after it.
static int readPlayerLine(const PlayerIdentity* player, const char* line, Seat* seat, int* playerId)
{
    const char* name;
    size_t length = scanReadablePlayerLineName(line, LOG_LINE_SIZE, &name);
    if (length == 0) return 0;
    keepSeatName(seat, name, length < (size_t)SEAT_NAME_LENGTH ? length : (size_t)SEAT_NAME_LENGTH,
                 (size_t)(name - line));
    *playerId = seatRunPlayerId(player, seat->name, name, length);
    return 1;
}

// strstr for a needle of two bytes, walked byte by byte: the texts searched are a few bytes long.
static const char* findPair(const char* text, const char* pair)
{
    for (; *text; text++)
        if (text[0] == pair[0] && text[1] == pair[1]) return text;
    return NULL;
}

// Marks the entry broken by the check of message on the log's line; returns ENTRY_BROKEN.
static int broken(GameEntry* entry, const char* message, long long line)
{
    entry->fault = message;
    entry->faultLine = line;
    return ENTRY_BROKEN;
}

// Reads the player lines: four, or three and the "=" line. Returns ENTRY_LOG_ENDED when the log
// ended, ENTRY_BROKEN for a player line without a name, else ENTRY_COMPLETE with *found telling
// whether the player sits in the entry (entry->playerSeat is then the last of the player's seats). A header line in
// their place (the entry was cut short) is given back for the next entry.
static int readPlayerLines(const EntrySource* source, GameEntry* entry, long long headerLine, int* found)
{
    *found = 0;
    entry->playerIdsSeated = 0;
    entry->seatCount = MAX_SEATS;
    for (int i = 0; i < MAX_SEATS; i++) {
        const char* line = nextLogLine(source->log);
        if (!line) return ENTRY_LOG_ENDED;
        if (i == 3 && line[0] == '=') {
            entry->seatCount = 3;
            break;
        }
        if (line[0] == '<') {
            unreadLogLine(source->log, line);
            entry->cutAtHeader = headerLine;
            return broken(entry, MESSAGE_MALFORMED_ENTRY, logLineNumber(source->log));
        }
        int playerId;
        if (!readPlayerLine(source->player, line, &entry->seats[i], &playerId))
            return broken(entry, MESSAGE_MALFORMED_ENTRY, logLineNumber(source->log));
        if (source->seatNamed) source->seatNamed(&entry->seats[i], source->context);
        if (playerId >= 0) {
            entry->playerSeat = i;
            entry->playerId = playerId;
            entry->playerIdsSeated |= 1u << playerId;
            *found = 1;
        }
    }
    return ENTRY_COMPLETE;
}

// Skips body lines up to the result line or the header line of a new entry, which *line is then
// (nextLogLine's).
static NextLine findResultLine(LogReader* log, const char** found)
{
    for (;;) {
        const char* line = logAtEnd(log) ? NULL : nextLogLineOpening(log, '<', '>');
        if (!line) return LOG_ENDED;
        *found = line;
        if (line[0] == '<') return NEW_ENTRY;
        if (line[0] == '>') return RESULT_LINE;
    }
}

// A rank of the result line: nearly always one digit and a space, read as readDecimal would.
static inline int readRank(const char* text)
{
    char after = text[1];
    int plain = (unsigned)(text[0] - '0') <= 9 && (unsigned)(after - '0') > 9 && after != '.' && after != 'e' &&
                after != 'E';
    return plain ? text[0] - '0' : readDecimal(text, NULL);
}

// Ranks and scores from the result line, the log's line resultLine. Returns ENTRY_COMPLETE, or
// ENTRY_BROKEN for a line too short for a seat or scores that do not sum to 0.
static int readResults(const char* line, long long resultLine, GameEntry* entry)
{
    long long length = (long long)boundedTextLength(line, LOG_LINE_SIZE);
    long long sum = 0;
    for (int i = 0; i < entry->seatCount; i++) {
        if (length - 1 < 10 * i + 5) return broken(entry, MESSAGE_MALFORMED_ENTRY, resultLine);
        entry->seats[i].rank = readRank(line + 1 + 10 * i);
        entry->seats[i].score = readDecimal(line + 5 + 10 * i, NULL);
        sum += entry->seats[i].score;
    }
    if (sum != 0) return broken(entry, MESSAGE_NONZERO_SUM, resultLine);
    return ENTRY_COMPLETE;
}

// The rate of the text between "(" and ")": the number after "点", or with a "/" the number after
// the marker the game length selects, times 10000 when "万" follows it; 0 without "点" and "/". A "/"
// without the selected marker gives -1 (impossible: the entry is malformed). In 64 bits, so any
// number can be checked for plausibility.
static long long readRate(const char* rateText, char gameLength, int* malformed)
{
    const char* marker = findPair(rateText, "点");
    const char* slash = rateText;   // without "点": a few bytes, looked at one by one for a "/"
    while (!marker && *slash && *slash != '/') slash++;
    if (!marker && *slash) {
        marker = findPair(rateText, gameLength == '0' ? "東" : "半");
        if (!marker) {
            *malformed = 1;
            return 0;
        }
    }
    if (!marker) return 0;
    const char* end;
    long long rate = readDecimal(marker + 2, &end);
    if (strncmp(end, "万", 2) == 0) rate *= 10000;
    return rate;
}

// What the header's byte at i is to findHeaderMarks: 1 the end (*found set: 1 for the colon, 0 for
// the terminating zero), 0 go on (a "(" or ")" noted).
static inline int headerMark(const char* header, size_t i, size_t* colon, ptrdiff_t* close, ptrdiff_t* open,
                             int* found)
{
    const char first = "："[0], second = "："[1];
    char c = header[i];
    if (c == '\0' || (c == first && header[i + 1] == second)) {
        *colon = i;
        *found = c != '\0';
        return 1;
    }
    if (c == ')' && *close < 0) *close = (ptrdiff_t)i;
    if (c == '(' && *open < 0) *open = (ptrdiff_t)i;
    return 0;
}

// The header's parts as findLobby cuts them, in one walk up to the first "：": where that colon is,
// and the first ")" and the first "(" before it (-1 for none). Returns 0 when there is no colon. The
// first `readable` bytes of header (0 or more) are looked at sixteen at a time.
static int findHeaderMarks(const char* header, size_t readable, size_t* colon, ptrdiff_t* close, ptrdiff_t* open)
{
    *close = *open = -1;
    int found;
    size_t i = 0;
    for (; i + 16 <= readable; i += 16) {
        for (unsigned marks = findAmong16(header + i, '\0', '(', ')', "："[0]); marks; marks &= marks - 1)
            if (headerMark(header, i + (size_t)__builtin_ctz(marks), colon, close, open, &found)) return found;
    }
    for (;; i++) {
        unsigned char c = (unsigned char)header[i];
        if (c > ')' && c != (unsigned char)"："[0]) continue;   // most bytes: none of those sought
        if (headerMark(header, i, colon, close, open, &found)) return found;
    }
}

// The lobby's length from those marks (findLobby's rule); 0 when the header can't be split.
static int lobbyFromMarks(size_t colon, ptrdiff_t close, ptrdiff_t open, size_t* length)
{
    if (close < 0) {
        *length = colon;
        return 1;
    }
    if (open < 0 || open > close) return 0;
    *length = (size_t)open;
    return 1;
}

void copyEntryLobby(char* out, size_t size, const GameEntry* game)
{
    size_t length = entryLobbyLength(game);
    if (length >= size) {
        copyText(out, size, game->lobby);
        return;
    }
    size_t i = 0;   // a few bytes: eight at a time, then one by one (no call)
    for (; i + 8 <= length; i += 8) memcpy(out + i, game->lobby + i, 8);
    for (; i < length; i++) out[i] = game->lobby[i];
    out[length] = '\0';
}

int findLobby(const char* headerText, size_t* length)
{
    size_t colon;
    ptrdiff_t close, open;
    return findHeaderMarks(headerText, 0, &colon, &close, &open) && lobbyFromMarks(colon, close, open, length);
}

// Splits the header text in place into lobby, rate and room (cut where findLobby says). Sets
// *malformed for a header that can't be split or a "/" without the selected marker. LOG_LINE_SIZE - 1
// bytes can be read at header (readGameEntry's header text).
static long long splitHeader(char* header, GameEntry* entry, int* malformed)
{
    size_t lobbyLength, colonAt;
    ptrdiff_t closeAt, openAt;
    if (!findHeaderMarks(header, LOG_LINE_SIZE - 1, &colonAt, &closeAt, &openAt) ||
        !lobbyFromMarks(colonAt, closeAt, openAt, &lobbyLength)) {
        *malformed = 1;
        return 0;
    }
    char* colon = header + colonAt;
    char* room = colon + 2;
    size_t roomLength = boundedTextLength(room, LOG_LINE_SIZE - 1 - (colonAt + 2));
    // The line break and the byte before it are not part of the room.
    roomLength = roomLength >= 2 ? roomLength - 2 : 0;
    room[roomLength] = '\0';
    *colon = '\0';
    entry->room = room;
    entry->roomLength = (unsigned char)roomLength;
    entry->lobby = header;
    entry->lobbyLength = (unsigned char)lobbyLength;   // the colon's place when there is no rate
    if (closeAt < 0) return 0;
    header[closeAt] = '\0';
    header[lobbyLength] = '\0';
    return readRate(header + lobbyLength + 1, entry->gameLength, malformed);
}

// Steps after the result line was found: the results, then the header and the rate's plausibility. Returns ENTRY_COMPLETE or ENTRY_BROKEN.
static int completeEntry(char* header, long long headerLine, const char* resultLine, long long resultNumber,
                         GameEntry* entry)
{
    if (readResults(resultLine, resultNumber, entry) != ENTRY_COMPLETE) return ENTRY_BROKEN;
    int malformed = 0;
    long long rate = splitHeader(header, entry, &malformed);
    if (malformed) return broken(entry, MESSAGE_MALFORMED_ENTRY, headerLine);
    if (rate < 0 || rate > MAX_RATE) return broken(entry, MESSAGE_IMPOSSIBLE_RATE, headerLine);
    entry->rate = (int)rate;
    return ENTRY_COMPLETE;
}

// An entry without the player: its lobby is cut from the header for the conditions, no more.
static int notSeated(char* header, GameEntry* entry)
{
    size_t lobbyLength;
    if (findLobby(header, &lobbyLength)) {
        header[lobbyLength] = '\0';
        entry->lobby = header;
        entry->lobbyLength = (unsigned char)lobbyLength;
    }
    return ENTRY_NOT_SEATED;
}

int readGameEntry(const EntrySource* source, char* headerText, long long headerLine, GameEntry* entry)
{
    // A header line among the body lines abandons the entry; the loop starts over with its text, kept
    // in the source's spare header (the caller's header text stays in use).
    for (;;) {
        clearRecord(entry, sizeof *entry);
        const char* line = nextLogLine(source->log);
        if (!line) return ENTRY_LOG_ENDED;
        entry->gameLength = line[1];
        line = nextLogLine(source->log);
        if (!line) return ENTRY_LOG_ENDED;
        size_t length = boundedLineLength(line, LOG_LINE_SIZE);
        copyColumns(entry->date, sizeof entry->date, line, length, 1, 10);
        copyColumns(entry->time, sizeof entry->time, line, length, 12, 16);
        int found;
        int players = readPlayerLines(source, entry, headerLine, &found);
        if (players != ENTRY_COMPLETE) return players;
        if (!found) return notSeated(headerText, entry);
        NextLine next = findResultLine(source->log, &line);
        if (next == LOG_ENDED) return ENTRY_LOG_ENDED;
        if (next == RESULT_LINE) return completeEntry(headerText, headerLine, line, logLineNumber(source->log), entry);
        copyLogText(source->spareHeader, LOG_LINE_SIZE, line + 1);
        headerText = source->spareHeader;
        headerLine = logLineNumber(source->log);
    }
}
