#ifndef VORNIX_ANALYSISRUN_H
#define VORNIX_ANALYSISRUN_H
// The run driver: one analysis run, from the first line of the open game log (read with analysis) to
// the written report (written with report).

enum AnalysisResult {
    ANALYSIS_FOLDER_BUSY = -2,     // another run held the output folder all the wait: nothing written
    ANALYSIS_REPORT_FAILED = -1,   // the report could not be created or written: the previous files stay
    ANALYSIS_NO_GAME = 0,          // no game matched: nothing replaced or created
    ANALYSIS_DONE = 1              // the report is written (run.outputs tells about the tables)
};

extern const char FOLDER_LOCK_NAME[];   // "vornix.lock", in the output folder while a run writes there
extern int folderLockWait;              // milliseconds a run waits for another's lock: about 30 s

// Runs one analysis over the open game log with settings.currentId, minRate and maxRate; the current
// directory is the output folder. First takes the folder's lock (FOLDER_LOCK_NAME), waiting for a run
// of another process that holds it, and keeps it until every name is placed; it goes at the end
// (through fatalError's cleanups too). Then takes run.startTime, clears the run state, removes what
// ended runs left of every output of the ID, and calls run.progress (when set) at every entry. With
// settings.rivals the log is read a second time for the page of each opponent, which is left out (the
// user told) when the file changed in between. A period the settings file held that could never match
// (takeDroppedPeriodNotice) refuses the run at once, nothing read: ANALYSIS_NO_GAME. Returns an
// AnalysisResult; the user has been told of every outcome but ANALYSIS_DONE. Fatal log errors do not return and replace nothing.
// Every output is written under a name of its own run; the tables take their final names first, the
// report links only those that did, and the page of each opponent and then the report take theirs
// last (should either fail, the tables give their names back). Remaining window: a process killed
// between the first table's rename and the report's leaves this run's tables (and page) beside the
// previous report, which links them by name; the page's anchors are the opponents' names, so an old
// report's links land on the same opponent's section or on none.
int runAnalysis(void);

// The share of the run's reading done so far, 0 to 100, for run.progress: with the page of each
// opponent the log is read twice, and each read is half of it. 0 while the log's size is unknown.
int runPercentRead(void);

#endif
