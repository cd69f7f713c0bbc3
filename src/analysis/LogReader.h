#ifndef VORNIX_LOGREADER_H
#define VORNIX_LOGREADER_H
// The game log, read the way the Windows C runtime reads a text-mode stream: CR LF becomes LF, and
// lines come in pieces of at most 79 bytes. One deliberate difference: a 0x1A byte (Ctrl+Z) is read
// as any other byte, where that runtime would take it for the end of the file and drop the rest.

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

enum {
    LOG_LINE_SIZE = 80,
    LOG_BLOCK_SIZE = 64 * 1024   // raw bytes read from the file at a time
};

// One open game log and how far it has been read. Zeroed, it is closed.
struct LogReader {
    FILE* logFile;                 // NULL while closed
    alignas(16) char block[LOG_BLOCK_SIZE];
    uint64_t lineFeeds[LOG_BLOCK_SIZE / 64];   // where the block's LFs are (mapByte), as it was read
    size_t mapped;                 // bytes of the block mapped so far: a multiple of 64, or blockFill
    char* restoreAt;               // the byte of the block the last line's terminator took, or NULL
    char restoreByte;              // and its value
    size_t fastBelow;              // a line is given out in place from a blockPos below this: the
                                   // limit or the mapped bytes, whichever ends first, less
                                   // LOG_LINE_SIZE - 1; 0 while a line given back waits, once the log
                                   // has ended, and while it is closed
    char piece[LOG_LINE_SIZE];     // a line that could not be given out in place (the block's end)
    size_t blockPos;               // next unread byte of the block
    size_t blockLimit;             // bytes that may be given out: all but a held CR at the end
    size_t blockFill;              // raw bytes in the block
    int fileEnded;                 // a read of the file has returned nothing
    int atEnd;                     // the end-of-file indicator: a read has met the end of the log
    long long rawBytesRead;
    long long fileSize;            // -1 when unknown
    long long lineBreaksRead;      // line breaks given out so far
    long long lastLineNumber;      // the physical line the last piece given out belongs to
    int readErrorsFatal;           // 0 for a listing and a second read: a read error then ends the log
    int readFailed;
    int stamped;                   // the stamp below was taken when the log was opened
    long long stampSize;
    long long stampTime;
    char givenBack[LOG_LINE_SIZE]; // a line unreadLogLine gave back, when givenBackLine is not 0
    long long givenBackLine;
};

// The run's is run.log (analysis/RunState.h).

// Opens the game log by its code page 932 path into log, closing what log had open. Returns 1 on
// success; 0 when it can't be opened or is not a regular file (a folder, a FIFO, a device), decided
// at once (log is then closed).
int openLog(LogReader* log, const char* path);

// The same for a native path, used as it is (vornix-cli's log as the command line gives it).
int openNativeLog(LogReader* log, const char* path);

// The same for a listing outside a run (analysis/LobbyList.h): a read error of the file then ends the
// log instead of the process, and logReadFailed tells of it.
int openLogToList(LogReader* log, const char* path);

// Takes an open stream, at its start, as the game log (closeLog closes it). Returns 1; 0 when file is
// NULL.
int adoptLog(LogReader* log, FILE* file);

// Starts reading the open log again from its first byte, for a second read that must see what the
// first saw; a read error then ends the log instead of the process, and logReadFailed tells of it.
// Returns 1 when the file's size and modification time are still those it had when it was opened; 0
// when they changed or can't be told (nothing is read then).
int rewindLog(LogReader* log);

// 1 when the open log's size and modification time are still those it had when it was opened.
int logUnchanged(LogReader* log);

// Closes the game log (nothing happens when none is open).
void closeLog(LogReader* log);

// Reads the next line into buffer: at most 79 bytes including the line break, then a zero. Returns 0
// when the end-of-file indicator is set after the read (the buffer is then not to be used), 1 otherwise.
// A read error of the file is no end: it goes through fatalError with MESSAGE_LOG_NOT_READ (but see
// openLogToList and rewindLog).
int readLogLine(LogReader* log, char buffer[LOG_LINE_SIZE]);

// The same line, in place: a terminated text of at most 79 bytes (the line break included) that stays
// as it is until the next read of the log, and is not to be changed. LOG_LINE_SIZE bytes can be read
// from it (what follows its terminator is no part of it). NULL where readLogLine returns 0.
// Inline below: the entry parser takes every line of the log through it.
inline const char* nextLogLine(LogReader* log);

// The next line whose first byte is first or second (neither a CR), as nextLogLine gives it out: the
// lines before it are passed over without being given out, their line breaks counted. NULL when the
// log ends first. For the lines of an entry's body, which only their first byte tells apart.
const char* nextLogLineOpening(LogReader* log, char first, char second);

// nextLogLine for a line given back or one near the end of the block (the byte its last line's
// terminator took already put back).
const char* nextLogLineAcross(LogReader* log);

// Gives back the line the last read returned (readLogLine with 1, or nextLogLine): the next read
// returns it again, with its number, and reading goes on after it. For a header line that turns out
// to begin the next entry.
void unreadLogLine(LogReader* log, const char* line);

// The physical line of the file (1-based, counted in line breaks) that the last line read belongs to:
// the remainder pieces of a line longer than 79 bytes have its number. 0 before the first read.
long long logLineNumber(const LogReader* log);

// 1 when a log opened by openLogToList, or rewound, met a read error (its end came early), 0
// otherwise.
int logReadFailed(const LogReader* log);

// 1 once a read has met the end of the log, 0 before.
inline int logAtEnd(const LogReader* log) { return log->atEnd; }

// Bytes of the log file consumed so far, and its size in bytes (-1 when unknown); for progress.
long long logBytesRead(const LogReader* log);
long long logSize(const LogReader* log);

// Where the first LF of the LOG_LINE_SIZE bytes from the block's byte pos is, counted from pos;
// LOG_LINE_SIZE when there is none. Those bytes must all lie before the block's limit, so that every
// word of the map read is filled.
inline size_t lineFeedAfter(const LogReader* log, size_t pos)
{
    size_t word = pos / 64;
    uint64_t bits = log->lineFeeds[word] >> (pos % 64);
    size_t base = 0;   // the offset from pos of the bits' lowest one
    while (!bits) {
        base += base ? 64 : 64 - pos % 64;
        if (base >= LOG_LINE_SIZE) return LOG_LINE_SIZE;   // the next word may lie past the map
        bits = log->lineFeeds[++word];
    }
    size_t at = base + (size_t)__builtin_ctzll(bits);
    return at < LOG_LINE_SIZE ? at : (size_t)LOG_LINE_SIZE;
}

// The usual case: at least LOG_LINE_SIZE bytes left in the block, so the line's end lies within them,
// and the piece's length follows from where the LF is: before it a CR (which then takes the LF's
// place), or none, or none within the piece's 79 bytes (a full piece; an LF right after it is the next
// line's). The piece is given out where it lies, terminated by the byte after it, which the next read
// puts back.
inline const char* nextLogLine(LogReader* log)
{
    if (log->restoreAt) *log->restoreAt = log->restoreByte;
    log->restoreAt = NULL;
    size_t pos = log->blockPos;
    if (pos >= log->fastBelow) return nextLogLineAcross(log);
    log->lastLineNumber = log->lineBreaksRead + 1;
    char* from = log->block + pos;
    size_t at = lineFeedAfter(log, pos);
    size_t used = LOG_LINE_SIZE - 1;
    if (at < LOG_LINE_SIZE - 1 || (at == LOG_LINE_SIZE - 1 && from[at - 1] == '\r')) {
        used = at + 1;
        if (at > 0 && from[at - 1] == '\r') {
            used = at;
            from[at - 1] = '\n';
        }
        log->lineBreaksRead++;
        log->blockPos = pos + at + 1;
    } else {
        log->blockPos = pos + used;
    }
    log->restoreAt = from + used;
    log->restoreByte = from[used];
    from[used] = '\0';
    return from;
}

#endif
