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

// The longest seat: a tab and the name's whole buffer, then rank, score and share, each after a tab.
enum { SEAT_ROOM = 1 + ID_SIZE + 2 * (1 + ROW_INTEGER_ROOM) + 1 + ROW_WHOLE_ROOM };

// The date, time and rate, held in fields of a fixed size, and the seats go in with one check of room
// each; the lobby and the room, texts of the header line, are appended as they are.
void writeGameRow(const GameEntry* game)
{
    FILE* stream = runOutputs[OUTPUT_GAME_RESULTS].file.stream;
    if (!stream) return;
    char* out = rowSpace(&row, sizeof game->date + sizeof game->time + 1);
    out = putHeldText(out, game->date, sizeof game->date);
    *out++ = '\t';
    out = putHeldText(out, game->time, sizeof game->time);
    *out++ = '\t';
    rowSpaceUsed(&row, out);
    rowField(&row, game->lobby);
    out = rowSpace(&row, 2 + ROW_INTEGER_ROOM);
    *out++ = '\t';
    out = putInteger(out, game->rate);
    *out++ = '\t';
    rowSpaceUsed(&row, out);
    rowField(&row, game->room);
    out = rowSpace(&row, MAX_SEATS * SEAT_ROOM + 2);
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
