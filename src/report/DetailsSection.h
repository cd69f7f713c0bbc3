#ifndef VORNIX_DETAILSSECTION_H
#define VORNIX_DETAILSSECTION_H
// The report's section of the option 詳しい成績: the totals with their 95% ranges, the record by
// condition, and the latest games of each kind against the earlier ones.

#include <stddef.h>

// The verdicts of 最近の調子 for the games of kind (GameKind) in one line, as the section gives them:
// "直近100戦をそれ以前の400戦と比べて、" and each row with a verdict ("平均順位は向上、…"), or
// "はっきりした差はない" when none has, or why nothing was compared. Cut to size - 1 bytes.
void formatFormVerdict(char* out, size_t size, int kind);

// Writes the section from run.detailedStats (at least one game).
void writeDetailsSection(void);

#endif
