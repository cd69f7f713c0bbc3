#ifndef VORNIX_REPORT_H
#define VORNIX_REPORT_H
// "分析結果.html": the report of a run, written in one pass after the log has been read.

#include "analysis/RunOutput.h"   // REPORT_FILE_NAME

#include <stdio.h>

extern FILE* reportStream;   // open only while writeReport runs

// Writes the report and the per-opponent table into the current directory, both under temporary
// names; the downloads block links to the tables that were written in full. When the report is
// complete, the finished tables, then the report, replace the previous files. Returns 1 when the
// report is in place; 0 when it could not be created or written, after its message was shown: the
// previous report and tables then stay (unless the report alone fails to take its name at the very
// end), and no temporary file is left.
int writeReport(void);

#endif
