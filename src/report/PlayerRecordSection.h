#ifndef VORNIX_PLAYERRECORDSECTION_H
#define VORNIX_PLAYERRECORDSECTION_H
// The report's first section: the analysed player's record over every game the run accepted.

// Writes the section from settings (ID, rate range, conditions), run.playerTotals, run.seatCount and the number of
// opponents. Reads only; run.playerTotals.games is at least 1 whenever a report is written.
void writePlayerRecordSection(void);

#endif
