#include "analysis/GameResultsTable.h"

#include "platform/TextFile.h"
#include "settings/Settings.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

static const char TABLE_NAME_SUFFIX[] = "_戦績.xls";

static const char TABLE_HEADER[] =
    "日付\t時刻\tロビー\tレート\t部屋"
    "\tメンバー①\t順位①\t得点①\t収支①"
    "\tメンバー②\t順位②\t得点②\t収支②"
    "\tメンバー③\t順位③\t得点③\t収支③"
    "\tメンバー④\t順位④\t得点④\t収支④"
    "\n";

// The row being written is built in one buffer and written in two pieces: the leading fields at
// once (a fatal error while the seats are added leaves them in the file, as a row written field by
// field would), the seat groups and the line end together. Numbers are formatted here rather than by
// printf, which would dominate the time of a long log; the bytes are those of "%d" and "%.0f".
enum { ROW_SIZE = 1024 };
static char row[ROW_SIZE];
static size_t rowLength;

static void flushRow(void)
{
    writeTextN(gameTableFile, row, rowLength);
    rowLength = 0;
}

static void appendBytes(const char* bytes, size_t length)
{
    if (rowLength + length > sizeof row) flushRow();
    if (length > sizeof row) {
        writeTextN(gameTableFile, bytes, length);
        return;
    }
    memcpy(row + rowLength, bytes, length);
    rowLength += length;
}

static void appendField(const char* text)
{
    appendBytes("\t", 1);
    appendBytes(text, strlen(text));
}

// "%lld" of value.
static void appendInteger(long long value)
{
    char digits[24];
    char* end = digits + sizeof digits;
    char* p = end;
    unsigned long long magnitude = value < 0 ? 0ull - (unsigned long long)value : (unsigned long long)value;
    do {
        *--p = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) *--p = '-';
    appendBytes(p, (size_t)(end - p));
}

// "%.0f" of the float converted to double. Whole values (the usual ones) are written as integers,
// which gives the same digits; the rest go through snprintf for its rounding.
static void appendShare(float share)
{
    if (share == floorf(share) && fabsf(share) < 1e15f && !(share == 0.0f && signbit(share))) {
        appendInteger((long long)share);
        return;
    }
    char text[64];
    int length = snprintf(text, sizeof text, "%.0f", (double)share);
    if (length > 0) appendBytes(text, (size_t)length);
}

int createGameTable(void)
{
    copyText(gameTableName, sizeof gameTableName, settings.currentId);
    appendText(gameTableName, sizeof gameTableName, TABLE_NAME_SUFFIX);
    rowLength = 0;
    gameTableFile = createTextFile(gameTableName);
    gameTableCreated = gameTableFile != NULL;
    if (gameTableFile) writeText(gameTableFile, TABLE_HEADER);
    return gameTableCreated;
}

void writeGameRowStart(const char* date, const char* time, const char* lobby, int rate, const char* room)
{
    if (!gameTableFile) return;
    rowLength = 0;
    appendBytes(date, strlen(date));
    appendField(time);
    appendField(lobby);
    appendBytes("\t", 1);
    appendInteger(rate);
    appendField(room);
    flushRow();
}

void writeGameRowSeat(const char* name, int rank, int score, float share)
{
    if (!gameTableFile) return;
    appendField(name);
    appendBytes("\t", 1);
    appendInteger(rank);
    appendBytes("\t", 1);
    appendInteger(score);
    appendBytes("\t", 1);
    appendShare(share);
}

void writeGameRowEnd(void)
{
    if (!gameTableFile) return;
    appendBytes("\n", 1);
    flushRow();
}

void closeGameTable(void)
{
    if (gameTableFile) fclose(gameTableFile);
    gameTableFile = NULL;
}
