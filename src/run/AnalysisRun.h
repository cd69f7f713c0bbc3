#ifndef VORNIX_ANALYSISRUN_H
#define VORNIX_ANALYSISRUN_H
// The run driver: one analysis run, from the first line of the game log to the last name placed.
//
// How a run flows. A front end fills a RunRequest and calls runRequested, which judges the ID, opens
// the log into run.log, enters the output folder and calls runAnalysis. That takes the folder's lock,
// clears the run record (analysis/RunState.h) and the outputs table (report/RunOutput.h), builds the
// player's identity from the settings, removes what ended runs left, and creates the per-game table's
// temporary file (report/GameResultsTable.h). readGames (analysis/GameIntake.h) then reads the log line
// by line (analysis/LogReader.h); readGameEntry (analysis/GameEntryParser.h) fills one GameEntry per
// entry, its seats matched against the identity; the reading hands it to the run's consumer. That
// calls acceptGame, which tests the rate range and every row of analysis/Conditions.h, sets the money
// shares and passes the game to the structures runIntake points to (the totals, the opponent table,
// the trends, the detailed record and the latest games), then writes the game's per-game row. A
// broken entry is skipped and counted or ends the run through fatalError, whose clean-ups, registered
// by the run, withdraw every temporary file. With the page of each opponent, chooseRivals picks them
// by the rows of report/OpponentOrder.h and the log is read again with acceptRivalGame. writeReport
// then orders the opponents by games without moving them, picks the lists by the rows, writes the
// tables and the report under temporary names, places the tables, then the page, then the report
// (should either fail, the tables give their names back), and the lock goes. runRequested closes the log and fills the AnalysisOutcome the front end
// shows from the run record and the outputs table.

#include "analysis/Conditions.h"
#include "analysis/RunState.h"
#include "report/RunOutput.h"
#include "settings/AppPaths.h"

enum AnalysisResult {
    ANALYSIS_NO_FOLDER = -5,       // the output folder can't be entered: nothing read
    ANALYSIS_LOG_NOT_OPENED = -4,  // the log can't be opened or is no regular file
    ANALYSIS_ID_REFUSED = -3,      // the ID holds a character a file name can't hold
    ANALYSIS_FOLDER_BUSY = -2,     // another run held the output folder all the wait: nothing written
    ANALYSIS_REPORT_FAILED = -1,   // the report could not be created or written: the previous files stay
    ANALYSIS_NO_GAME = 0,          // no game matched: nothing replaced or created
    ANALYSIS_DONE = 1              // the report is written (runOutputs tells about the tables)
};

// What a front end asks of a run beside the settings.
struct RunRequest {
    const char* logPath;          // the game log
    int native;                   // 1: logPath and outputFolder as the terminal gave them (vornix-cli);
                                  // 0: code page 932, the folder the settings choose
    const char* outputFolder;     // native: the folder, empty for the current directory; else unused
    void (*progress)(void);       // NULL, or run.progress for a log larger than progressMinSize bytes
    long long progressMinSize;
    void (*starting)(void);       // NULL, or called once the log is open and the folder entered
};

// One output as the run left it.
struct OutputOutcome {
    char name[TABLE_NAME_SIZE];   // its file name
    int made;                     // 1: this run makes it (runMakesOutput)
    int created;                  // 1: its file could be created
    int written;                  // 1: it is in place, written in full
    int inTheWay;                 // 1: something other than a file holds its name
};

enum { OUTCOME_MESSAGE_SIZE = PATH_SIZE + CONDITIONS_TEXT_SIZE + 512 };

// What a run produced, for the front ends to show: they read nothing else of the run.
struct AnalysisOutcome {
    int result;                               // an AnalysisResult
    int exitCode;                             // 0 all written; 2 refused or no game; 3 an output not
                                              // written or the folder busy (a broken log never returns)
    char message[OUTCOME_MESSAGE_SIZE];       // the refusal to show as an error; empty: none (the
                                              // report's failure and the warnings are told by the run)
    OutputOutcome outputs[RUN_OUTPUT_COUNT];
    int missing;                              // 1: an output that is not in place (after a failed
                                              // report, the report alone counts)
    int skippedEntries;                       // the tolerant reading's skipped entries
    char skippedLines[SKIPPED_LINES_TEXT_SIZE];   // their first lines ("12、40")
    int twoIdEntries;                         // games not taken as they seated two of the player's IDs
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

// The whole run for a front end: judges the ID (idIsValid), opens the log, enters the output folder,
// sets the progress hook, runs runAnalysis and closes the log, then fills *outcome. A broken log ends
// the run in fatalError as runAnalysis does; the log is then left open for the caller to close.
void runRequested(const RunRequest* request, AnalysisOutcome* outcome);

// Closes the log a run left open when a fatal error ended it (nothing happens when none is open).
void closeRunLog(void);

// The share of the run's reading done so far, 0 to 100, for run.progress: with the page of each
// opponent the log is read twice, and each read is half of it. 0 while the log's size is unknown.
int runPercentRead(void);

#endif
