#ifndef VORNIX_OUTPUTFILE_H
#define VORNIX_OUTPUTFILE_H
// An output file that takes its final name only when it is complete. It is written under a temporary
// name beside the final one (the final name and ".tmp", so the next run overwrites a leftover of an
// ended one); the writes, the flush and the close are checked, and only a complete file replaces the
// previous file of its name.

#include "text/Text.h"

#include <stdio.h>

enum { OUTPUT_NAME_SIZE = PATH_SIZE + 4 };   // a path of 261 bytes and the suffix

struct OutputFile {
    FILE* stream;                           // open while the file is written; NULL otherwise
    int complete;                           // 1 when written in full and closed, not yet in place
    char name[OUTPUT_NAME_SIZE];            // the final name, code page 932
    char temporaryName[OUTPUT_NAME_SIZE];   // the name it is written under
};

// Creates the temporary file of the final name for writing in binary (write through TextFile.h).
// Refuses a final name that could not be replaced: a folder, or a file that can't be opened for
// writing (read-only, locked by another program); nothing is created then. Returns 1 with
// file->stream open, 0 otherwise.
int createOutputFile(OutputFile* file, const char* name);

// Flushes and closes the stream. Returns 1 when no write, the flush nor the close failed (the file is
// complete); 0 otherwise, with the temporary file removed. 0 as well when no stream is open.
int finishOutputFile(OutputFile* file);

// Gives a complete file its final name, replacing the previous file of that name. Returns 1 on
// success; 0 when the file is not complete or can't take the name (the temporary file is removed and
// the previous file stays as it was).
int placeOutputFile(OutputFile* file);

// Closes and removes the temporary file, if there is one; the previous file stays as it was.
void discardOutputFile(OutputFile* file);

#endif
