#include "analysis/GameEntryParser.h"

#include "analysis/FatalError.h"
#include "analysis/LogReader.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerStats.h"
#include "analysis/RunState.h"
#include "analysis/SeatMatch.h"
#include "settings/Settings.h"
#include "text/Messages.h"
#include "text/Numbers.h"

#include <string.h>

enum {
    MAX_NAME_LENGTH = 12,   // the player line's "#%12s"
    MAX_RATE = 20000
};

// What the lines after the player lines turned out to be.
enum NextLine { LOG_ENDED, NEW_ENTRY, RESULT_LINE };

static int isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Bytes from..to (inclusive) of the line, stopping at its line break or end.
static void copyColumns(char* out, size_t size, const char* line, size_t from, size_t to)
{
    size_t length = strcspn(line, "\n");
    if (length <= from) {
        out[0] = '\0';
        return;
    }
    size_t last = length - 1 < to ? length - 1 : to;
    copyLogTextN(out, size, line + from, last - from + 1);
}

// Reads the name of a player line like "#%12s": "#", white space, then up to 12 bytes that are not
// white space. Returns 0 when the line does not begin with "#" or holds no name after it.
static int readPlayerName(const char* line, char name[ID_SIZE])
{
    if (line[0] != '#') return 0;
    const char* start = line + 1;
    while (isWhiteSpace(*start)) start++;
    size_t length = 0;
    while (length < MAX_NAME_LENGTH && start[length] && !isWhiteSpace(start[length])) length++;
    if (length == 0) return 0;
    copyLogTextN(name, ID_SIZE, start, length);
    return 1;
}

// Reads the run.seatCount player lines (or three and the "=" line). Returns 0 when the log ended, else 1
// with *found telling whether the analysed player sits in the entry (entry->playerSeat is then set). A
// player line without a name ends the process.
static int readPlayerLines(GameEntry* entry, int* found)
{
    char line[LOG_LINE_SIZE];
    *found = 0;
    for (int i = 0; i < run.seatCount; i++) {
        if (!readLogLine(line)) return 0;
        if (i == 3 && line[0] == '=') {
            run.seatCount = 3;
            break;
        }
        if (!readPlayerName(line, entry->seats[i].name)) fatalError("%s", MESSAGE_MALFORMED_ENTRY);
        prefetchOpponent(entry->seats[i].name);   // looked up once the entry is counted, lines later
        if (playerLineNamesId(line, settings.currentId)) {
            entry->playerSeat = i;
            *found = 1;
        }
    }
    entry->seatCount = run.seatCount;
    return 1;
}

// Skips body lines up to the result line or the header line of a new entry, which is left in line.
static NextLine findResultLine(char line[LOG_LINE_SIZE])
{
    for (;;) {
        if (logAtEnd() || !readLogLine(line)) return LOG_ENDED;
        if (line[0] == '<') return NEW_ENTRY;
        if (line[0] == '>') return RESULT_LINE;
    }
}

// Ranks and scores from the result line; a line too short for a seat, or scores that do not sum to
// 0, end the process.
static void readResults(const char* line, GameEntry* entry)
{
    long long length = (long long)strlen(line);
    long long sum = 0;
    for (int i = 0; i < entry->seatCount; i++) {
        if (length - 1 < 10 * i + 5) fatalError("%s", MESSAGE_MALFORMED_ENTRY);
        entry->seats[i].rank = readDecimal(line + 1 + 10 * i, NULL);
        entry->seats[i].score = readDecimal(line + 5 + 10 * i, NULL);
        sum += entry->seats[i].score;
    }
    if (sum != 0) fatalError("%s", MESSAGE_NONZERO_SUM);
}

// The rate of the text between "(" and ")": the number after "点", or with a "/" the number after
// the marker the game length selects, times 10000 when "万" follows it; 0 without "点" and "/". A "/"
// without the selected marker ends the process. In 64 bits, so any number can be checked for
// plausibility.
static long long readRate(const char* rateText, char gameLength)
{
    const char* marker = strstr(rateText, "点");
    if (!marker && strchr(rateText, '/')) {
        marker = strstr(rateText, gameLength == '0' ? "東" : "半");
        if (!marker) fatalError("%s", MESSAGE_MALFORMED_ENTRY);
    }
    if (!marker) return 0;
    const char* end;
    long long rate = readDecimal(marker + 2, &end);
    if (strncmp(end, "万", 2) == 0) rate *= 10000;
    return rate;
}

// Splits the header text in place into lobby, rate and room. A header without "：", or with ")" but
// no "(" before it, ends the process.
static long long splitHeader(char* header, GameEntry* entry)
{
    char* colon = strstr(header, "：");
    if (!colon) fatalError("%s", MESSAGE_MALFORMED_ENTRY);
    char* room = colon + 2;
    size_t roomLength = strlen(room);
    // The line break and the byte before it are not part of the room.
    room[roomLength >= 2 ? roomLength - 2 : 0] = '\0';
    *colon = '\0';
    entry->room = room;
    entry->lobby = header;
    char* close = strchr(header, ')');
    if (!close) return 0;
    *close = '\0';
    char* open = strchr(header, '(');
    if (!open) fatalError("%s", MESSAGE_MALFORMED_ENTRY);
    *open = '\0';
    return readRate(open + 1, entry->gameLength);
}

// Steps after the result line was found: the results, then the header and the rate's plausibility,
// then the money.
static void completeEntry(char* header, const char* resultLine, GameEntry* entry)
{
    readResults(resultLine, entry);
    long long rate = splitHeader(header, entry);
    if (rate < 0 || rate > MAX_RATE) fatalError("%s", MESSAGE_IMPOSSIBLE_RATE);
    entry->rate = (int)rate;
    computeMoneyShares(entry);
}

int readGameEntry(char* headerText, GameEntry* entry)
{
    char line[LOG_LINE_SIZE];
    // A header line among the body lines abandons the entry; its text is kept here for the next try,
    // since the caller's header text stays in use.
    static char newHeader[LOG_LINE_SIZE];
    // A header line among the body lines abandons the entry; the loop starts over with its text.
    for (;;) {
        memset(entry, 0, sizeof *entry);
        if (!readLogLine(line)) return 0;
        entry->gameLength = line[1];
        if (!readLogLine(line)) return 0;
        copyColumns(entry->date, sizeof entry->date, line, 1, 10);
        copyColumns(entry->time, sizeof entry->time, line, 12, 16);
        int found;
        if (!readPlayerLines(entry, &found)) return 0;
        if (!found) return -1;
        NextLine next = findResultLine(line);
        if (next == LOG_ENDED) return 0;
        if (next == RESULT_LINE) {
            completeEntry(headerText, line, entry);
            return 1;
        }
        copyLogText(newHeader, sizeof newHeader, line + 1);
        headerText = newHeader;
    }
}
