#ifndef VORNIX_REPORT_H
#define VORNIX_REPORT_H
// "分析結果.html": the report of a run, written in one pass after the log has been read.

#include "report/RunOutput.h"   // REPORT_FILE_NAME

#include <stdio.h>

extern FILE* reportStream;   // open only while writeReport runs

// Writes the report and the per-opponent (and monthly) table into the current directory, all under
// temporary names. The opponent sections link into a finished page of each opponent. Before the
// downloads block the finished tables replace the previous files, and the block links those that
// did; then the page and the report take their names. Returns 1 when the report is in place; 0 when
// it (or the page it links) could not be created, written or placed, after its message was shown
// (naming what is in its way when that is no file): the tables then give their names back, so the
// previous files stay, and no temporary file is left.
int writeReport(void);

#endif
