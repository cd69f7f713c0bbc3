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

static void resetReader(LogReader* log)
{
    log->blockPos = 0;
    log->blockLimit = 0;
    log->blockFill = 0;
    log->mapped = 0;
    log->fileEnded = 0;
    log->atEnd = 0;
    log->rawBytesRead = 0;
    log->fileSize = -1;
    log->lineBreaksRead = 0;
    log->lastLineNumber = 0;
    log->readErrorsFatal = 1;
    log->readFailed = 0;
    log->givenBackLine = 0;
    log->restoreAt = NULL;
    log->fastBelow = 0;
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
static int startLog(LogReader* log, FILE* file)
{
    log->logFile = file;
    if (!log->logFile) return 0;
    log->fileSize = measureFile(log->logFile);
    log->stamped = fileStamp(log->logFile, &log->stampSize, &log->stampTime);
    return 1;
}

int openLog(LogReader* log, const char* path)
{
    closeLog(log);
    return startLog(log, openRegularFile(path));
}

int openNativeLog(LogReader* log, const char* path)
{
    closeLog(log);
    return startLog(log, openNativeRegularFile(path));
}

int openLogToList(LogReader* log, const char* path)
{
    closeLog(log);
    if (!startLog(log, openRegularFile(path))) return 0;
    log->readErrorsFatal = 0;
    return 1;
}

int adoptLog(LogReader* log, FILE* file)
{
    closeLog(log);
    return startLog(log, file);
}

void closeLog(LogReader* log)
{
    if (log->logFile) fclose(log->logFile);
    log->logFile = NULL;
    log->stamped = 0;
    resetReader(log);
}

int logUnchanged(LogReader* log)
{
    long long size, modified;
    if (!log->logFile || !log->stamped || !fileStamp(log->logFile, &size, &modified)) return 0;
    return size == log->stampSize && modified == log->stampTime;
}

int rewindLog(LogReader* log)
{
    if (!logUnchanged(log) || fseek(log->logFile, 0, SEEK_SET) != 0) return 0;
    long long size = log->fileSize;
    resetReader(log);
    log->fileSize = size;
    log->readErrorsFatal = 0;   // the first read went through: a failing second one loses only what it adds
    clearerr(log->logFile);
    return 1;
}

// Moves the bytes not given out (at most a held CR) to the front of the block and reads more after
// them. Returns 1 when there is a byte to give out, 0 at the end of the file.
static int refillBlock(LogReader* log)
{
    size_t kept = log->blockFill - log->blockPos;
    moveBytes(log->block, log->block + log->blockPos, kept);
    log->blockPos = 0;
    log->blockFill = kept;
    if (log->logFile && !log->fileEnded) {
        size_t got = fread(log->block + kept, 1, sizeof log->block - kept, log->logFile);
        if (ferror(log->logFile)) {
            if (log->readErrorsFatal) fatalError("%s", MESSAGE_LOG_NOT_READ);
            log->readFailed = 1;
            got = 0;
        }
        log->rawBytesRead += (long long)got;
        log->blockFill += got;
        log->fileEnded = got == 0;
    }
    log->mapped = 0;
    // At the end of the file a last CR has no LF after it and is given out as it is.
    int holdBack = !log->fileEnded && log->blockFill > 0 && log->block[log->blockFill - 1] == '\r';
    log->blockLimit = log->blockFill - (size_t)holdBack;
    return log->blockLimit > log->blockPos;
}

// The fast path's bound, after anything that changes the block's limit, the end or a line given back.
static void updateFastBelow(LogReader* log)
{
    size_t end = log->mapped < log->blockLimit ? log->mapped : log->blockLimit;
    int fast = !log->atEnd && !log->givenBackLine && end >= LOG_LINE_SIZE;
    log->fastBelow = fast ? end - (LOG_LINE_SIZE - 1) : 0;
}

// The block's LFs are mapped a few kilobytes ahead of the lines given out, not all at once when it
// is read: the lines are then still in the processor's nearest cache when they are given out.
enum { MAP_AHEAD = 4096 };

// Maps the next bytes of the block; 0 when all are mapped.
static int mapAhead(LogReader* log)
{
    if (log->mapped >= log->blockFill) return 0;
    size_t length = log->blockFill - log->mapped;
    if (length > MAP_AHEAD) length = MAP_AHEAD;
    mapByte(log->block + log->mapped, length, '\n', log->lineFeeds + log->mapped / 64);
    log->mapped += length;
    return 1;
}

void unreadLogLine(LogReader* log, const char* line)
{
    if (line != log->givenBack) copyLogText(log->givenBack, sizeof log->givenBack, line);
    log->givenBackLine = log->lastLineNumber;
    updateFastBelow(log);
}

// A line near the block's end, gathered into the reader's own piece across a refill; NULL at the end
// of the log.
static const char* lineAcrossBlocks(LogReader* log)
{
    char* buffer = log->piece;
    size_t used = 0;
    while (!log->atEnd && used < LOG_LINE_SIZE - 1) {
        if (log->blockPos == log->blockLimit && !refillBlock(log)) {
            log->atEnd = 1;
            break;
        }
        // A line of `room` more bytes may need room + 1 raw bytes: its last byte may be an LF after a
        // dropped CR.
        size_t room = LOG_LINE_SIZE - 1 - used;
        size_t available = log->blockLimit - log->blockPos;
        size_t scan = available < room + 1 ? available : room + 1;
        const char* from = log->block + log->blockPos;
        const char* lineFeed = findByte(from, '\n', scan);
        if (lineFeed && lineFeed > from && lineFeed[-1] == '\r') {
            size_t text = (size_t)(lineFeed - from) - 1;   // the bytes before the CR
            copyBytes(buffer + used, from, text);
            buffer[used + text] = '\n';
            used += text + 1;
            log->blockPos += text + 2;
            break;
        }
        size_t take = lineFeed ? (size_t)(lineFeed - from) + 1 : scan;
        int lineEnds = lineFeed && take <= room;
        if (take > room) take = room;   // a full piece; what follows, an LF too, is the next line
        copyBytes(buffer + used, from, take);
        used += take;
        log->blockPos += take;
        if (lineEnds) break;
    }
    buffer[used] = '\0';
    if (used > 0 && buffer[used - 1] == '\n') log->lineBreaksRead++;
    return log->atEnd ? NULL : buffer;
}

const char* nextLogLineAcross(LogReader* log)
{
    const char* line;
    if (log->givenBackLine) {
        log->lastLineNumber = log->givenBackLine;
        log->givenBackLine = 0;
        line = log->givenBack;
    } else {
        if (!log->atEnd && log->blockLimit - log->blockPos >= LOG_LINE_SIZE && mapAhead(log)) {
            updateFastBelow(log);
            return nextLogLine(log);
        }
        log->lastLineNumber = log->lineBreaksRead + 1;
        line = lineAcrossBlocks(log);
    }
    updateFastBelow(log);
    return line;
}

// A piece that begins with a CR is the only one whose first byte text mode may change (CR LF becomes
// LF): the bytes sought are never a CR, so the first byte in the block tells.
const char* nextLogLineOpening(LogReader* log, char first, char second)
{
    for (;;) {
        if (log->restoreAt) *log->restoreAt = log->restoreByte;
        log->restoreAt = NULL;
        size_t pos = log->blockPos;
        const size_t below = log->fastBelow;
        long long lineBreaks = log->lineBreaksRead;
        while (pos < below && log->block[pos] != first && log->block[pos] != second) {
            size_t at = lineFeedAfter(log, pos);
            if (at < LOG_LINE_SIZE - 1 || (at == LOG_LINE_SIZE - 1 && log->block[pos + at - 1] == '\r')) {
                lineBreaks++;
                pos += at + 1;
            } else {
                pos += LOG_LINE_SIZE - 1;
            }
        }
        log->blockPos = pos;
        log->lineBreaksRead = lineBreaks;
        const char* line = nextLogLine(log);
        if (!line || line[0] == first || line[0] == second) return line;
    }
}

int readLogLine(LogReader* log, char buffer[LOG_LINE_SIZE])
{
    const char* line = nextLogLine(log);
    if (!line) {
        buffer[0] = '\0';
        return 0;
    }
    copyLogText(buffer, LOG_LINE_SIZE, line);
    return 1;
}

long long logLineNumber(const LogReader* log)
{
    return log->lastLineNumber;
}

int logReadFailed(const LogReader* log)
{
    return log->readFailed;
}


long long logBytesRead(const LogReader* log)
{
    return log->rawBytesRead;
}

long long logSize(const LogReader* log)
{
    return log->fileSize;
}
