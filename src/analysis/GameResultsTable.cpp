#include "analysis/GameResultsTable.h"

#include "analysis/RunState.h"
#include "platform/TextFile.h"
#include "platform/TextRow.h"
#include "settings/Settings.h"

#include <stdio.h>
#include <string.h>

FILE* gameTableFile = NULL;

static const char TABLE_HEADER[] =
    "日付\t時刻\tロビー\tレート\t部屋"
    "\tメンバー①\t順位①\t得点①\t収支①"
    "\tメンバー②\t順位②\t得点②\t収支②"
    "\tメンバー③\t順位③\t得点③\t収支③"
    "\tメンバー④\t順位④\t得点④\t収支④"
    "\n";

// The row being written: its leading fields are written at once (a fatal error while the seats are
// added leaves them in the file, as a row written field by field would), the seat groups and the
// line end together.
static TextRow row;

// The stream's buffer, larger than the default so that a long log's table goes out in fewer writes.
static char streamBuffer[64 * 1024];

int createGameTable(void)
{
    RunOutput* table = &run.outputs[OUTPUT_GAME_RESULTS];
    gameTableFile = createRunOutput(OUTPUT_GAME_RESULTS) ? table->file.stream : NULL;
    if (gameTableFile) setvbuf(gameTableFile, streamBuffer, _IOFBF, sizeof streamBuffer);
    startRow(&row, gameTableFile);
    if (gameTableFile) writeText(gameTableFile, TABLE_HEADER);
    return table->created;
}

void writeGameRowStart(const char* date, const char* time, const char* lobby, int rate, const char* room)
{
    if (!gameTableFile) return;
    startRow(&row, gameTableFile);
    rowText(&row, date);
    rowByte(&row, '\t');
    rowText(&row, time);
    rowByte(&row, '\t');
    rowText(&row, lobby);
    rowByte(&row, '\t');
    rowInteger(&row, rate);
    rowByte(&row, '\t');
    rowText(&row, room);
    writeRow(&row);
}

void writeGameRowSeat(const char* name, int rank, int score, float share)
{
    if (!gameTableFile) return;
    rowByte(&row, '\t');
    rowText(&row, name);
    rowByte(&row, '\t');
    rowInteger(&row, rank);
    rowByte(&row, '\t');
    rowInteger(&row, score);
    rowByte(&row, '\t');
    rowWhole(&row, share);
}

void writeGameRowEnd(void)
{
    if (!gameTableFile) return;
    rowByte(&row, '\n');
    writeRow(&row);
}

int finishGameTable(void)
{
    gameTableFile = NULL;
    return finishRunOutput(OUTPUT_GAME_RESULTS);
}
