#include "report/GameResultsTable.h"

#include "analysis/GameEntryParser.h"
#include "platform/TextFile.h"
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

// The row being written, bound to the table's stream when the table is created.
static TextRow row;

// The stream's buffer, larger than the default so that a long log's table goes out in fewer writes.
static char streamBuffer[64 * 1024];

int createGameTable(void)
{
    RunOutput* table = &runOutputs[OUTPUT_GAME_RESULTS];
    FILE* stream = createRunOutput(OUTPUT_GAME_RESULTS) ? table->file.stream : NULL;
    if (stream) setvbuf(stream, streamBuffer, _IOFBF, sizeof streamBuffer);
    startRow(&row, stream);
    if (stream) writeText(stream, TABLE_HEADER);
    return table->created;
}

void writeGameRow(const GameEntry* game)
{
    FILE* stream = runOutputs[OUTPUT_GAME_RESULTS].file.stream;
    if (!stream) return;
    startRow(&row, stream);
    rowText(&row, game->date);
    rowByte(&row, '\t');
    rowText(&row, game->time);
    rowByte(&row, '\t');
    rowText(&row, game->lobby);
    rowByte(&row, '\t');
    rowInteger(&row, game->rate);
    rowByte(&row, '\t');
    rowText(&row, game->room);
    for (int i = 0; i < game->seatCount; i++) {
        const Seat* seat = &game->seats[i];
        rowByte(&row, '\t');
        rowText(&row, seat->name);
        rowByte(&row, '\t');
        rowInteger(&row, seat->rank);
        rowByte(&row, '\t');
        rowInteger(&row, seat->score);
        rowByte(&row, '\t');
        rowWhole(&row, seat->share);
    }
    rowByte(&row, '\n');
    writeRow(&row);
}

int finishGameTable(void)
{
    return finishRunOutput(OUTPUT_GAME_RESULTS);
}
