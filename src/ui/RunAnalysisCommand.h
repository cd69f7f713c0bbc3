#ifndef VORNIX_RUNANALYSISCOMMAND_H
#define VORNIX_RUNANALYSISCOMMAND_H
// "分析実行": the one place where the window and the analysis meet.

#include <windows.h>

// Analyses settings.currentId over settings.logPath into the desktop or the program folder (which it
// makes the current directory, and the outputFolder). Refuses the ID placeholder (MESSAGE_NO_ID), an
// ID a file name can't hold (MESSAGE_ID_NOT_A_FILE_NAME) and a log that can't be opened
// (MESSAGE_LOG_NOT_FOUND, naming it). While the log is read the dialog shows the progress.
// Refuses an output folder another run holds all the wait (its message shown, RUN_INCOMPLETE). On
// success puts the ID at the top of the ID list and the drop-down list, then opens "分析結果.html"
// with the shell (or names its path when it can't; with "-q" nothing is shown then). The Run button
// is disabled while the run lasts.
// dialog is NULL for the run at start-up. Does nothing when called while a run is already in
// progress. Returns the outcome, which is also the exit code of "-e -q". A fatal error of the log ends
// a run from the dialog: after its message the dialog stays as it was (no output replaced), and for a
// broken entry the user may run again with the tolerant reading turned on. At start-up a fatal error,
// and always a report that could not be written, end the process with exit code 1 instead.
int runAnalysisCommand(HWND dialog);

enum RunOutcome {
    RUN_DONE = 0,        // every file written
    RUN_REFUSED = 2,     // placeholder, an ID a file name can't hold, a log that can't be opened, no
                         // game (or a run already in progress)
    RUN_FAILED = 1,      // a fatal error of the log ended a run from the dialog
    RUN_INCOMPLETE = 3   // the report written, a table not written in full; or nothing written because
                         // another run held the output folder
};

// 1 from the start of runAnalysisCommand to its end, message boxes included; 0 otherwise.
int analysisInProgress(void);

#endif
