#include "analysis/SeatMatch.h"

#include <string.h>

static const size_t SEAT_NAME_LENGTH = 12;   // the bytes of the run a seat's name keeps

static int isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int playerLineNamesId(const char* line, const char* id)
{
    if (line[0] != '#') return 0;
    const char* start = line + 1;
    while (isWhiteSpace(*start)) start++;
    size_t runLength = 0;
    while (start[runLength] && !isWhiteSpace(start[runLength])) runLength++;
    size_t idLength = strlen(id);
    // A short ID is compared with the name as the seat keeps it, so it matches as it always did; the
    // whole run is what tells a long ID from another one with the same first 12 bytes.
    size_t compared = idLength <= SEAT_NAME_LENGTH && runLength > SEAT_NAME_LENGTH ? SEAT_NAME_LENGTH : runLength;
    return runLength > 0 && compared == idLength && memcmp(start, id, idLength) == 0;
}
