#ifndef VORNIX_RUNTABLE_H
#define VORNIX_RUNTABLE_H
// A tab-separated table that a run writes beside the report ("%s_戦績.xls" and the others): its name,
// its outcome, and its file, which is written under a temporary name and takes the table's name only
// when it is placed, so that the previous table stays until the new one is complete.

#include "platform/OutputFile.h"

enum { TABLE_NAME_SIZE = 256 };

struct RunTable {
    char name[TABLE_NAME_SIZE];   // its file name: currentId and a suffix, at most 255 bytes
    int created;                  // 1 when this run's file could be created
    int written;                  // 1 when it was written in full and closed (and, once placed, took
                                  // its final name)
    OutputFile file;              // file.stream is open while the table is written
};

// Forms the name from settings.currentId and suffix, drops what an earlier run left of the table, and
// creates its temporary file in the current directory (table->file.stream). Returns table->created:
// 0 when the name is a folder or a file that can't be replaced (nothing is created then).
int createRunTable(RunTable* table, const char* suffix);

// Flushes and closes the file if it is open; written tells whether every byte reached it (on a failure
// the temporary file is removed). Returns written.
int finishRunTable(RunTable* table);

// Gives a finished table its name, replacing the previous table; nothing happens to a table that is
// not finished. written becomes 0 when the name can't be taken. Returns written.
int placeRunTable(RunTable* table);

// Closes and removes the temporary file, if any: the previous table stays. written becomes 0.
void discardRunTable(RunTable* table);

#endif
