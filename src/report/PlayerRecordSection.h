#ifndef VORNIX_PLAYERRECORDSECTION_H
#define VORNIX_PLAYERRECORDSECTION_H
// The report's first section: the analysed player's record over every game the run accepted.

// Writes the section from settings (ID, rate range, conditions), run.playerTotals and the number of
// opponents. The rank rows are those of the kind of the player's games; a history of both kinds gets
// its places and average score in a table with a column per kind. Reads only;
// run.playerTotals.games is at least 1 whenever a report is written.
void writePlayerRecordSection(void);

#endif
