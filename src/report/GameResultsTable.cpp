#include "report/GameResultsTable.h"

#include "analysis/GameEntryParser.h"
#include "platform/TextRow.h"
#include "report/RunOutput.h"

#include <stdio.h>
#include <string.h>

static const char TABLE_HEADER[] =
    "日付\t時刻\tロビー\tレート\t部屋"
    "\tメンバー①\t順位①\t得点①\t収支①"
    "\tメンバー②\t順位②\t得点②\t収支②"
    "\tメンバー③\t順位③\t得点③\t収支③"
    "\tメンバー④\t順位④\t得点④\t収支④"
    "\n";

// The rows gather in one large buffer, formatted straight into it, and go out a buffer at a time;
// the stream itself is unbuffered, so each fill is one write of the system.
static TextRow row;
static char rowBuffer[256 * 1024];

int createGameTable(void)
{
    RunOutput* table = &runOutputs[OUTPUT_GAME_RESULTS];
    FILE* stream = createRunOutput(OUTPUT_GAME_RESULTS) ? table->file.stream : NULL;
    if (stream) setvbuf(stream, NULL, _IONBF, 0);
    startRowsIn(&row, stream, rowBuffer, sizeof rowBuffer);
    if (stream) rowText(&row, TABLE_HEADER);
    return table->created;
}

// The longest row but its lobby and room: the date and time with their buffers' whole sizes, the
// rate, and the seats (a tab and the name's whole buffer, then rank, score and share, each after a
// tab), each field after a tab, and the line end.
enum {
    SEAT_ROOM = 1 + ID_SIZE + 2 * (1 + ROW_INTEGER_ROOM) + 1 + ROW_WHOLE_ROOM,
    GAME_ROW_ROOM = sizeof(GameEntry::date) + 1 + sizeof(GameEntry::time) + 1 + 1 + ROW_INTEGER_ROOM + 1 +
                    MAX_SEATS * SEAT_ROOM + 2
};
static_assert((int)GAME_ROW_ROOM <= (int)TEXT_ROW_SIZE, "rowSpace makes room for at most TEXT_ROW_SIZE bytes");

// The row goes in with one check of room, and one more for each of the lobby and the room, texts of
// the header line whose length this table does not bound.
void writeGameRow(const GameEntry* game)
{
    FILE* stream = runOutputs[OUTPUT_GAME_RESULTS].file.stream;
    if (!stream) return;
    char* out = rowSpace(&row, GAME_ROW_ROOM);
    out = putHeldText(out, game->date, sizeof game->date);
    *out++ = '\t';
    out = putHeldText(out, game->time, sizeof game->time);
    *out++ = '\t';
    out = putRowBytes(&row, out, game->lobby, entryLobbyLength(game), GAME_ROW_ROOM);
    *out++ = '\t';
    out = putInteger(out, game->rate);
    *out++ = '\t';
    out = putRowBytes(&row, out, game->room, entryRoomLength(game), GAME_ROW_ROOM);
    for (int i = 0; i < game->seatCount; i++) {
        const Seat* seat = &game->seats[i];
        *out++ = '\t';
        out = putHeldText(out, seat->name, sizeof seat->name);
        *out++ = '\t';
        out = putInteger(out, seat->rank);
        *out++ = '\t';
        out = putInteger(out, seat->score);
        *out++ = '\t';
        out = putWhole(out, seat->share);
    }
    *out++ = '\r';
    *out++ = '\n';
    rowSpaceUsed(&row, out);
}

int finishGameTable(void)
{
    if (runOutputs[OUTPUT_GAME_RESULTS].file.stream) writeRow(&row);   // its failure: the stream's error
    return finishRunOutput(OUTPUT_GAME_RESULTS);
}
