#include "analysis/LogReader.h"

#include "platform/platform.h"

#include <stdio.h>
#include <string.h>

// The log is read in large blocks. Each block is translated in place (CR LF becomes LF) as it comes
// in, so readLogLine only has to find line feeds. A CR that ends a block may be the first half of a
// CR LF pair; it is held back and put in front of the next block.
enum { LOG_BLOCK_SIZE = 64 * 1024 };

static FILE* logFile;
static char block[LOG_BLOCK_SIZE];
static size_t blockPos;        // next unread byte of the translated block
static size_t blockFill;       // translated bytes in the block
static int heldCarriageReturn; // 1 when the raw data read so far ends in a CR not yet given out
static int atEnd;              // the end-of-file indicator: a read has met the end of the log
static long long rawBytesRead;
static long long fileSize = -1;

static void resetReader(void)
{
    blockPos = 0;
    blockFill = 0;
    heldCarriageReturn = 0;
    atEnd = 0;
    rawBytesRead = 0;
    fileSize = -1;
}

// The file's size in bytes, -1 when the stream can't tell; the position is left at the start.
static long long measureFile(FILE* file)
{
    if (fseek(file, 0, SEEK_END) != 0) return -1;
    long size = ftell(file);
    if (fseek(file, 0, SEEK_SET) != 0) return -1;
    return size < 0 ? -1 : (long long)size;
}

int openLog(const char* path)
{
    closeLog();
    if (directoryExists(path)) return 0;
    logFile = openFile(path, "rb");
    if (!logFile) return 0;
    fileSize = measureFile(logFile);
    return 1;
}

void closeLog(void)
{
    if (logFile) fclose(logFile);
    logFile = NULL;
    resetReader();
}

// Drops the CR of every CR LF pair in block[0, length); a CR in the last byte is held back for the
// next block. Returns the translated length.
static size_t translateLineBreaks(size_t length)
{
    char* src = block;
    char* dst = block;
    char* end = block + length;
    while (src < end) {
        char* cr = (char*)memchr(src, '\r', (size_t)(end - src));
        size_t run = (size_t)((cr ? cr : end) - src);
        memmove(dst, src, run);
        dst += run;
        if (!cr) break;
        if (cr + 1 == end) {
            heldCarriageReturn = 1;
            break;
        }
        if (cr[1] != '\n') *dst++ = '\r';
        src = cr + 1;
    }
    return (size_t)(dst - block);
}

// Refills the empty block. Returns 1 when it holds at least one byte, 0 at the end of the file.
static int refillBlock(void)
{
    blockPos = 0;
    blockFill = 0;
    while (blockFill == 0) {
        if (!logFile) return 0;
        size_t start = 0;
        if (heldCarriageReturn) block[start++] = '\r';
        heldCarriageReturn = 0;
        size_t got = fread(block + start, 1, sizeof block - start, logFile);
        rawBytesRead += (long long)got;
        if (got == 0) {
            // The end: a held CR had no LF after it and stays as it is.
            blockFill = start;
            return blockFill != 0;
        }
        blockFill = translateLineBreaks(start + got);
    }
    return 1;
}

int readLogLine(char buffer[LOG_LINE_SIZE])
{
    size_t used = 0;
    while (!atEnd && used < LOG_LINE_SIZE - 1) {
        if (blockPos == blockFill && !refillBlock()) {
            atEnd = 1;
            break;
        }
        size_t available = blockFill - blockPos;
        size_t room = LOG_LINE_SIZE - 1 - used;
        size_t scan = available < room ? available : room;
        const char* from = block + blockPos;
        const char* lineFeed = (const char*)memchr(from, '\n', scan);
        size_t take = lineFeed ? (size_t)(lineFeed - from) + 1 : scan;
        memcpy(buffer + used, from, take);
        used += take;
        blockPos += take;
        if (lineFeed) break;
    }
    buffer[used] = '\0';
    return !atEnd;
}

int logAtEnd(void)
{
    return atEnd;
}

long long logBytesRead(void)
{
    return rawBytesRead;
}

long long logSize(void)
{
    return fileSize;
}
