#ifndef VORNIX_LOGREADER_H
#define VORNIX_LOGREADER_H
// The game log, read the way the Windows C runtime reads a text-mode stream: CR LF becomes LF, and
// lines come in pieces of at most 79 bytes. One deliberate difference: a 0x1A byte (Ctrl+Z) is read
// as any other byte, where that runtime would take it for the end of the file and drop the rest.

#include <stdio.h>

enum { LOG_LINE_SIZE = 80 };

// Opens the game log by its code page 932 path. Returns 1 on success; 0 when it can't be opened or
// is not a regular file (a folder, a FIFO, a device), decided at once.
int openLog(const char* path);

// The same for a native path, used as it is (vornix-cli's log as the command line gives it).
int openNativeLog(const char* path);

// The same for a listing outside a run (analysis/LobbyList.h): a read error of the file then ends the
// log instead of the process, and logReadFailed tells of it.
int openLogToList(const char* path);

// Takes an open stream, at its start, as the game log (closeLog closes it). Returns 1; 0 when file is
// NULL.
int adoptLog(FILE* file);

// Starts reading the open log again from its first byte, for a second read that must see what the
// first saw; a read error then ends the log instead of the process, and logReadFailed tells of it.
// Returns 1 when the file's size and modification time are still those it had when it was opened; 0
// when they changed or can't be told (nothing is read then).
int rewindLog(void);

// 1 when the open log's size and modification time are still those it had when it was opened.
int logUnchanged(void);

// Closes the game log (nothing happens when none is open).
void closeLog(void);

// Reads the next line into buffer: at most 79 bytes including the line break, then a zero. Returns 0
// when the end-of-file indicator is set after the read (the buffer is then not to be used), 1 otherwise.
// A read error of the file is no end: it goes through fatalError with MESSAGE_LOG_NOT_READ (but see
// openLogToList and rewindLog).
int readLogLine(char buffer[LOG_LINE_SIZE]);

// Gives back the line the last readLogLine returned (with 1): the next readLogLine returns it again,
// with its number, and reading goes on after it. For a header line that turns out to begin the next
// entry.
void unreadLogLine(const char line[LOG_LINE_SIZE]);

// The physical line of the file (1-based, counted in line breaks) that the last line read belongs to:
// the remainder pieces of a line longer than 79 bytes have its number. 0 before the first read.
long long logLineNumber(void);

// 1 when a log opened by openLogToList met a read error (its end came early), 0 otherwise.
int logReadFailed(void);

// 1 once a read has met the end of the log, 0 before.
int logAtEnd(void);

// Bytes of the log file consumed so far, and its size in bytes (-1 when unknown); for progress.
long long logBytesRead(void);
long long logSize(void);

#endif
