#ifndef VORNIX_ANALYSISRUN_H
#define VORNIX_ANALYSISRUN_H
// The run driver: one analysis run, from the first line of the open game log (read with analysis) to
// the written report (written with report).

// Runs one analysis over the open game log with settings.currentId, minRate and maxRate; the current
// directory is the output folder. With settings.rivals the log is read a second time for the page of
// each opponent, which is left out (the user told) when the file changed in between. Takes run.startTime, clears the run state, then calls run.progress
// (when set) at every entry. Returns 1 when at least one game was accepted and the report has been
// written (the table outcomes in run tell about the tables); 0 when no game matched (the user has been
// told; nothing was replaced or created); -1 when the report could not be created or written (the
// user has been told; the previous files stay). Fatal log errors do not return and replace nothing.
// Every output is written under a name of its own run; the tables take their final names first, the
// report links only those that did, and takes its own name last (should that fail, the tables give
// their names back). Remaining window: a process killed between the first table's rename and the
// report's leaves this run's tables beside the previous report (which then links them by name).
int runAnalysis(void);

// The share of the run's reading done so far, 0 to 100, for run.progress: with the page of each
// opponent the log is read twice, and each read is half of it. 0 while the log's size is unknown.
int runPercentRead(void);

#endif
