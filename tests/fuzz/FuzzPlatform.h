#ifndef VORNIX_FUZZPLATFORM_H
#define VORNIX_FUZZPLATFORM_H
// The user-facing platform calls for the fuzz targets: messages are dropped, the shell opens nothing,
// and exitProcess jumps back into the harness instead of ending the process, so a fatal error of the
// run is an ordinary outcome of one input.

#include <setjmp.h>

extern jmp_buf fuzzExit;     // where exitProcess returns to; valid while fuzzExitArmed is 1
extern int fuzzExitArmed;    // 0: exitProcess aborts (an exit the harness did not expect)
extern int fuzzExitCode;     // the code of the last exitProcess
extern int fuzzMessages;     // messages shown since the harness last cleared it

// Makes a fresh folder under $TMPDIR (or /tmp) the current directory. Aborts when that fails.
void enterFuzzFolder(void);

// Replaces the file name (in the current directory) with the bytes. Aborts when that fails.
void writeFuzzFile(const char* name, const unsigned char* data, unsigned long size);

#endif
