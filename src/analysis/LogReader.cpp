#include "analysis/LogReader.h"

#include "analysis/FatalError.h"
#include "platform/platform.h"
#include "text/Bytes.h"
#include "text/Messages.h"
#include "text/Text.h"

#include <stdio.h>
#include <string.h>

// The log is read in large blocks of raw bytes, and each line is cut straight from the block: the
// only CR that text mode drops in a line is the one right before its LF, since CR LF is the pair
// translated and a line ends at its first LF. A CR that ends a block may be the first half of such a
// pair; it is held back (left unread before the limit) until the next block shows what follows it.
enum { LOG_BLOCK_SIZE = 64 * 1024 };

static FILE* logFile;
static char block[LOG_BLOCK_SIZE];
static size_t blockPos;        // next unread byte of the block
static size_t blockLimit;      // bytes that may be given out: all but a held CR at the end
static size_t blockFill;       // raw bytes in the block
static int fileEnded;          // a read of the file has returned nothing
static int atEnd;              // the end-of-file indicator: a read has met the end of the log
static long long rawBytesRead;
static long long fileSize = -1;
static long long lineBreaksRead;   // line breaks given out so far
static long long lastLineNumber;   // the physical line the last piece given out belongs to
static int readErrorsFatal = 1;    // 0 for a listing and a second read: a read error then ends the log
static int readFailed;
static int stamped;              // the stamp below was taken when the log was opened
static long long stampSize;
static long long stampTime;
static char givenBack[LOG_LINE_SIZE];   // a line unreadLogLine gave back, when givenBackLine is not 0
static long long givenBackLine;

static void resetReader(void)
{
    blockPos = 0;
    blockLimit = 0;
    blockFill = 0;
    fileEnded = 0;
    atEnd = 0;
    rawBytesRead = 0;
    fileSize = -1;
    lineBreaksRead = 0;
    lastLineNumber = 0;
    readErrorsFatal = 1;
    readFailed = 0;
    givenBackLine = 0;
}

// The file's size in bytes, -1 when the stream can't tell; the position is left at the start.
static long long measureFile(FILE* file)
{
    if (fseek(file, 0, SEEK_END) != 0) return -1;
    long size = ftell(file);
    if (fseek(file, 0, SEEK_SET) != 0) return -1;
    return size < 0 ? -1 : (long long)size;
}

// Takes file (NULL: it couldn't be opened) as the log to read.
static int startLog(FILE* file)
{
    logFile = file;
    if (!logFile) return 0;
    fileSize = measureFile(logFile);
    stamped = fileStamp(logFile, &stampSize, &stampTime);
    return 1;
}

int openLog(const char* path)
{
    closeLog();
    return startLog(openRegularFile(path));
}

int openNativeLog(const char* path)
{
    closeLog();
    return startLog(openNativeRegularFile(path));
}

int openLogToList(const char* path)
{
    closeLog();
    if (!startLog(openRegularFile(path))) return 0;
    readErrorsFatal = 0;
    return 1;
}

int adoptLog(FILE* file)
{
    closeLog();
    return startLog(file);
}

void closeLog(void)
{
    if (logFile) fclose(logFile);
    logFile = NULL;
    stamped = 0;
    resetReader();
}

int logUnchanged(void)
{
    long long size, modified;
    if (!logFile || !stamped || !fileStamp(logFile, &size, &modified)) return 0;
    return size == stampSize && modified == stampTime;
}

int rewindLog(void)
{
    if (!logUnchanged() || fseek(logFile, 0, SEEK_SET) != 0) return 0;
    long long size = fileSize;
    resetReader();
    fileSize = size;
    readErrorsFatal = 0;   // the first read went through: a failing second one loses only what it adds
    clearerr(logFile);
    return 1;
}

// Moves the bytes not given out (at most a held CR) to the front of the block and reads more after
// them. Returns 1 when there is a byte to give out, 0 at the end of the file.
static int refillBlock(void)
{
    size_t kept = blockFill - blockPos;
    moveBytes(block, block + blockPos, kept);
    blockPos = 0;
    blockFill = kept;
    if (logFile && !fileEnded) {
        size_t got = fread(block + kept, 1, sizeof block - kept, logFile);
        if (ferror(logFile)) {
            if (readErrorsFatal) fatalError("%s", MESSAGE_LOG_NOT_READ);
            readFailed = 1;
            got = 0;
        }
        rawBytesRead += (long long)got;
        blockFill += got;
        fileEnded = got == 0;
    }
    // At the end of the file a last CR has no LF after it and is given out as it is.
    int holdBack = !fileEnded && blockFill > 0 && block[blockFill - 1] == '\r';
    blockLimit = blockFill - (size_t)holdBack;
    return blockLimit > blockPos;
}

void unreadLogLine(const char line[LOG_LINE_SIZE])
{
    copyLogText(givenBack, sizeof givenBack, line);
    givenBackLine = lastLineNumber;
}

// The usual case of readLogLine: at least LOG_LINE_SIZE bytes left in the block, so the line's end
// lies within one fixed-size scan and copy, and the piece's length follows from where the LF is:
// before it a CR (dropped), or none, or none within the piece's 79 bytes (a full piece).
static int readLineInBlock(char buffer[LOG_LINE_SIZE])
{
    const char* from = block + blockPos;
    const char* lineFeed = findByte(from, '\n', LOG_LINE_SIZE);
    copyBytes(buffer, from, LOG_LINE_SIZE);
    size_t at = lineFeed ? (size_t)(lineFeed - from) : LOG_LINE_SIZE;
    size_t used;
    if (at < LOG_LINE_SIZE && at > 0 && from[at - 1] == '\r') {
        used = at;   // the CR's place takes the LF
        buffer[at - 1] = '\n';
        blockPos += at + 1;
    } else if (at < LOG_LINE_SIZE - 1) {
        used = at + 1;
        blockPos += used;
    } else {
        used = LOG_LINE_SIZE - 1;   // an LF right after it is the next line's
        blockPos += used;
    }
    buffer[used] = '\0';
    if (buffer[used - 1] == '\n') lineBreaksRead++;
    return 1;
}

int readLogLine(char buffer[LOG_LINE_SIZE])
{
    if (givenBackLine) {
        copyBytes(buffer, givenBack, sizeof givenBack);
        lastLineNumber = givenBackLine;
        givenBackLine = 0;
        return 1;
    }
    lastLineNumber = lineBreaksRead + 1;
    if (!atEnd && blockLimit - blockPos >= LOG_LINE_SIZE) return readLineInBlock(buffer);
    size_t used = 0;
    while (!atEnd && used < LOG_LINE_SIZE - 1) {
        if (blockPos == blockLimit && !refillBlock()) {
            atEnd = 1;
            break;
        }
        // A line of `room` more bytes may need room + 1 raw bytes: its last byte may be an LF after a
        // dropped CR.
        size_t room = LOG_LINE_SIZE - 1 - used;
        size_t available = blockLimit - blockPos;
        size_t scan = available < room + 1 ? available : room + 1;
        const char* from = block + blockPos;
        const char* lineFeed = findByte(from, '\n', scan);
        if (lineFeed && lineFeed > from && lineFeed[-1] == '\r') {
            size_t text = (size_t)(lineFeed - from) - 1;   // the bytes before the CR
            copyBytes(buffer + used, from, text);
            buffer[used + text] = '\n';
            used += text + 1;
            blockPos += text + 2;
            break;
        }
        size_t take = lineFeed ? (size_t)(lineFeed - from) + 1 : scan;
        int lineEnds = lineFeed && take <= room;
        if (take > room) take = room;   // a full piece; what follows, an LF too, is the next line
        copyBytes(buffer + used, from, take);
        used += take;
        blockPos += take;
        if (lineEnds) break;
    }
    buffer[used] = '\0';
    if (used > 0 && buffer[used - 1] == '\n') lineBreaksRead++;
    return !atEnd;
}

long long logLineNumber(void)
{
    return lastLineNumber;
}

int logReadFailed(void)
{
    return readFailed;
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
