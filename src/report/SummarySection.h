#ifndef VORNIX_SUMMARYSECTION_H
#define VORNIX_SUMMARYSECTION_H
// The summary at the top of the report, with the option 詳しい成績: the total money and the money per
// game, per kind of game its games, average rank, top, top-two and last rates and a bar of its rank
// distribution, the verdict of 最近の調子 per kind and the conditions. Every figure is the one the
// record or the detailed section shows.

// Writes the box from run.playerTotals and run.detailedStats (at least one game).
void writeSummarySection(void);

#endif
