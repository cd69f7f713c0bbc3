#ifndef VORNIX_DETAILSSECTION_H
#define VORNIX_DETAILSSECTION_H
// The report's section of the option 詳しい成績: the totals with their 95% ranges, the record by
// condition, and the latest games of each kind against the earlier ones.

// Writes the section from run.detailedStats (at least one game).
void writeDetailsSection(void);

#endif
