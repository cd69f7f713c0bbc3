#ifndef VORNIX_RUNOUTPUT_H
#define VORNIX_RUNOUTPUT_H
// The files a run writes, in one table: the tab-separated tables, the page of each opponent and the
// report. Each row gives an output's name pattern, its link text and whether this run makes it; each
// output's file is written under a temporary name and takes its final name only when it is placed, so
// that the previous file stays until the new one is complete. Whoever creates, places, discards, links
// or names the outputs walks the rows in their order, which is the order the files are placed and
// linked in. The tables' names start with the ID of the run's player (playerDisplayId of run.player).

#include "platform/OutputFile.h"

enum RunOutputKind {
    OUTPUT_GAME_RESULTS,       // "%s_戦績.xls"
    OUTPUT_OPPONENT_SUMMARY,   // "%s_ID別集計.xls"
    OUTPUT_MONTHLY_SUMMARY,    // "%s_月別集計.xls", only with the progress option
    OUTPUT_CONDITION_SUMMARY,  // "%s_条件別集計.xls", only with the option 詳しい成績
    OUTPUT_RIVALS,             // "%s_対戦相手別.html", only with the option; written before the
                               // report, which links into it
    OUTPUT_REPORT,             // "分析結果.html", placed last
    RUN_OUTPUT_COUNT
};

enum { TABLE_NAME_SIZE = 256 };

struct RunOutputRow {
    const char* name;       // the file name after the player's ID ("_戦績.xls"), or the whole name
    int afterId;            // 1: the file name is the player's ID and name
    const char* linkText;   // the report's link to it; NULL: not linked (the report itself)
    const int* option;      // NULL: made by every run; else only while this setting is 1
};

extern const RunOutputRow runOutputRows[RUN_OUTPUT_COUNT];

extern const char REPORT_FILE_NAME[];   // "分析結果.html"

struct RunOutput {
    char name[TABLE_NAME_SIZE];   // its file name, at most 255 bytes
    int created;                  // 1 when this run's file could be created (0 again when the run
                                  // gave it up on purpose and told the user why)
    int written;                  // 1 when it was written in full and closed (and, once placed, took
                                  // its final name)
    OutputFile file;              // file.stream is open while the output is written
};

// The run's files, in the order of runOutputRows: what became of each in the run under way or the last
// one. clearRunOutputs empties them at the start of every run.
extern RunOutput runOutputs[RUN_OUTPUT_COUNT];

// 1 when this run makes the output (the monthly table only with settings.trendCharts, the table by
// condition only with settings.details, the page of each opponent only with settings.rivals).
int runMakesOutput(int kind);

// Forms the output's name from its row (and the player's ID), drops what an earlier run left of it,
// and creates its temporary file in the current directory (file.stream). Returns created: 0 when the
// name is a folder or a file that can't be replaced (nothing is created then).
int createRunOutput(int kind);

// Removes what ended processes left of every output of the player's ID, whether this run makes it
// or not: the temporary files and the second names of previous files.
void dropRunOutputLeftovers(void);

// Flushes and closes the file if it is open; written tells whether every byte reached it (on a failure
// the temporary file is removed). Returns written.
int finishRunOutput(int kind);

// Gives a finished output its name, replacing the previous file (kept aside until keepRunOutput or
// withdrawRunOutput); nothing happens to an output that is not finished. written becomes 0 when the
// name can't be taken. Returns written.
int placeRunOutput(int kind);

// Makes a placed output final: the previous file kept aside goes.
void keepRunOutput(int kind);

// Takes the output back: a placed one gives its name back to the previous file (or to nothing), an
// unplaced one is discarded. written becomes 0.
void withdrawRunOutput(int kind);

// Closes and removes the temporary file, if any: the previous file stays. written becomes 0.
void discardRunOutput(int kind);

// No name, no outcome for any output; a temporary file that an ended run left open is closed and
// removed.
void clearRunOutputs(void);

#endif
