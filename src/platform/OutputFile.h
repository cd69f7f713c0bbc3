#ifndef VORNIX_OUTPUTFILE_H
#define VORNIX_OUTPUTFILE_H
// An output file that takes its final name only when it is complete. It is written under a temporary
// name of its own beside the final one (the final name, ".", the process id, ".", a counter and
// ".tmp"), created exclusively, so that two processes writing the same name never share a file and
// nothing planted at a temporary name is followed; a temporary file left by a process that is gone is
// removed by the next one that writes the name. The writes, the flush and the close are checked, and
// only a complete file replaces the previous file of its name, which only a regular file can be.

#include "text/Text.h"

#include <stdio.h>

enum { OUTPUT_NAME_SIZE = PATH_SIZE + 32 };   // a path of 261 bytes and the longest suffix

enum OutputPrevious {
    PREVIOUS_NONE,       // nothing had the name before the file was placed
    PREVIOUS_KEPT,       // the previous file is kept under backupName until keepOutputFile
    PREVIOUS_REPLACED    // the previous file was replaced without a second name (no links): for good
};

struct OutputFile {
    FILE* stream;                           // open while the file is written; NULL otherwise
    int complete;                           // 1 when written in full and closed, not yet in place
    int placed;                             // 1 when it took its final name and may still be restored
    int previous;                           // OutputPrevious, once placed
    int inTheWay;                           // 1 when creation failed because a folder, a symlink, a
                                            // FIFO or a device has the final name
    char name[OUTPUT_NAME_SIZE];            // the final name, code page 932
    char temporaryName[OUTPUT_NAME_SIZE];   // the name it is written under
    char backupName[OUTPUT_NAME_SIZE];      // the previous file's second name while placed
};

// The seam through which files take their final names: replaceFile, unless a test puts another in.
extern int (*replaceOutputName)(const char* from, const char* to);

// Removes the temporary files of the final name that processes which are gone left, creates a new
// temporary file for writing in binary (write through TextFile.h). Refuses a final name that could not
// be replaced: a folder, a symlink, a FIFO or a device (inTheWay 1), or a file that can't be opened for
// writing (read-only, locked by another program); nothing is created then. Returns 1 with
// file->stream open, 0 otherwise.
int createOutputFile(OutputFile* file, const char* name);

// Removes the temporary files of the final name that processes which are gone left (their own and
// their previous files' second names); those of running processes stay.
void removeStaleTemporaries(const char* name);

// Flushes and closes the stream. Returns 1 when no write, the flush nor the close failed (the file is
// complete); 0 otherwise, with the temporary file removed. 0 as well when no stream is open.
int finishOutputFile(OutputFile* file);

// Gives a complete file its final name, replacing the previous regular file of that name, which stays
// under a second name until keepOutputFile or restoreOutputFile. Returns 1 on success; 0 when the file
// is not complete, something else than a regular file has the name, or the name can't be taken (the
// temporary file is removed and the previous file stays as it was).
int placeOutputFile(OutputFile* file);

// Makes a placed file's replacement final: the previous file's second name goes.
void keepOutputFile(OutputFile* file);

// Undoes the placing: the previous file gets its name back, or the name goes when there was none.
// Returns 1 when the previous state is back; 0 when it can't be (no second name was possible).
int restoreOutputFile(OutputFile* file);

// Closes and removes the temporary file, if there is one; the previous file stays as it was. A placed
// file stays placed.
void discardOutputFile(OutputFile* file);

#endif
