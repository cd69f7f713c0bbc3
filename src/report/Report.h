#ifndef VORNIX_REPORT_H
#define VORNIX_REPORT_H
// "分析結果.html": the report of a run, written in one pass after the log has been read.

#include <stdio.h>

extern FILE* reportStream;   // open only while writeReport runs

extern const char REPORT_FILE_NAME[];             // "分析結果.html"
extern const char MESSAGE_REPORT_NOT_CREATED[];   // "結果ファイルをオープンできませんでした。"

// Writes the report and the per-opponent table into the current directory. When the report can't be
// created, shows "結果ファイルをオープンできませんでした。" and ends the process with exit code 0.
void writeReport(void);

#endif
