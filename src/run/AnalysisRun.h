#ifndef VORNIX_ANALYSISRUN_H
#define VORNIX_ANALYSISRUN_H
// The run driver: one analysis run, from the first line of the open game log (read with analysis) to
// the written report (written with report).

#include <time.h>

extern time_t runStartTime;   // taken as the run's very first step

// When set, called by the read loop at every entry of the log, for a progress display (logBytesRead
// and logSize tell how far the run has come). NULL, the default: nothing is called.
extern void (*runProgress)(void);

extern const char MESSAGE_NO_GAME[];   // "指定された条件での対局データは含まれていませんでした。"

// Runs one analysis over the open game log with settings.currentId, minRate and maxRate; the current
// directory is the output folder. Returns 1 when at least one game was accepted and the report has been
// written (gameTableWritten and opponentTableWritten tell about the tables); 0 when no game matched
// (the user has been told; the header-only per-game table has replaced the previous one); -1 when the
// report could not be created or written (the user has been told; the previous three files stay).
// Fatal log errors do not return.
int runAnalysis(void);

#endif
