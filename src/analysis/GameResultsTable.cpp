#include "analysis/GameResultsTable.h"

#include "platform/TextFile.h"
#include "settings/Settings.h"

#include <stdio.h>

static const char TABLE_NAME_SUFFIX[] = "_戦績.xls";

static const char TABLE_HEADER[] =
    "日付\t時刻\tロビー\tレート\t部屋"
    "\tメンバー①\t順位①\t得点①\t収支①"
    "\tメンバー②\t順位②\t得点②\t収支②"
    "\tメンバー③\t順位③\t得点③\t収支③"
    "\tメンバー④\t順位④\t得点④\t収支④"
    "\n";

// The seat groups of the row being written, collected so that a row costs one write for its leading
// fields and one for the rest. The leading fields go out at once: a fatal error while the seats are
// added leaves them in the file.
enum { ROW_SEATS_SIZE = 1024 };
static char rowSeats[ROW_SEATS_SIZE];
static size_t rowSeatsLength;

int createGameTable(void)
{
    copyText(gameTableName, sizeof gameTableName, settings.currentId);
    appendText(gameTableName, sizeof gameTableName, TABLE_NAME_SUFFIX);
    rowSeatsLength = 0;
    gameTableFile = createTextFile(gameTableName);
    gameTableCreated = gameTableFile != NULL;
    if (gameTableFile) writeText(gameTableFile, TABLE_HEADER);
    return gameTableCreated;
}

void writeGameRowStart(const char* date, const char* time, const char* lobby, int rate, const char* room)
{
    if (!gameTableFile) return;
    textPrintf(gameTableFile, "%s\t%s\t%s\t%d\t%s", date, time, lobby, rate, room);
    rowSeatsLength = 0;
}

void writeGameRowSeat(const char* name, int rank, int score, float share)
{
    if (!gameTableFile) return;
    size_t room = sizeof rowSeats - rowSeatsLength;
    int length =
        snprintf(rowSeats + rowSeatsLength, room, "\t%s\t%d\t%d\t%.0f", name, rank, score, (double)share);
    if (length < 0) return;
    if ((size_t)length >= room) {
        // Never with names of 15 bytes and four seats; written directly all the same.
        writeTextN(gameTableFile, rowSeats, rowSeatsLength);
        rowSeatsLength = 0;
        textPrintf(gameTableFile, "\t%s\t%d\t%d\t%.0f", name, rank, score, (double)share);
        return;
    }
    rowSeatsLength += (size_t)length;
}

void writeGameRowEnd(void)
{
    if (!gameTableFile) return;
    rowSeats[rowSeatsLength++] = '\n';   // a seat group leaves at least this byte free
    writeTextN(gameTableFile, rowSeats, rowSeatsLength);
    rowSeatsLength = 0;
}

void closeGameTable(void)
{
    if (gameTableFile) fclose(gameTableFile);
    gameTableFile = NULL;
}
