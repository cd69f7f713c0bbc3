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

void writeGameRow(const GameEntry* game)
{
    FILE* stream = runOutputs[OUTPUT_GAME_RESULTS].file.stream;
    if (!stream) return;
    rowField(&row, game->date);
    rowByte(&row, '\t');
    rowField(&row, game->time);
    rowByte(&row, '\t');
    rowField(&row, game->lobby);
    rowByte(&row, '\t');
    rowInteger(&row, game->rate);
    rowByte(&row, '\t');
    rowField(&row, game->room);
    for (int i = 0; i < game->seatCount; i++) {
        const Seat* seat = &game->seats[i];
        rowByte(&row, '\t');
        rowField(&row, seat->name);
        rowByte(&row, '\t');
        rowInteger(&row, seat->rank);
        rowByte(&row, '\t');
        rowInteger(&row, seat->score);
        rowByte(&row, '\t');
        rowWhole(&row, seat->share);
    }
    rowByte(&row, '\n');
}

int finishGameTable(void)
{
    if (runOutputs[OUTPUT_GAME_RESULTS].file.stream) writeRow(&row);   // its failure: the stream's error
    return finishRunOutput(OUTPUT_GAME_RESULTS);
}
