#ifndef VORNIX_ANALYSISRUN_H
#define VORNIX_ANALYSISRUN_H
// The run driver: one analysis run, from the first line of the open game log (read with analysis) to
// the written report (written with report).

// Runs one analysis over the open game log with settings.currentId, minRate and maxRate; the current
// directory is the output folder. Takes run.startTime, clears the run state, then calls run.progress
// (when set) at every entry. Returns 1 when at least one game was accepted and the report has been
// written (the table outcomes in run tell about the tables); 0 when no game matched (the user has been
// told; the header-only per-game table has replaced the previous one); -1 when the report could not
// be created or written (the user has been told; the previous three files stay). Fatal log errors do
// not return.
int runAnalysis(void);

#endif
