#ifndef VORNIX_RECENTRESULTSSECTION_H
#define VORNIX_RECENTRESULTSSECTION_H
// The report's second section: the player's form over the latest 100 games in blocks of 20, and the
// streak the player is on.

// Writes the section from run.player, run.playerTotals and run.recentResults. Reads only.
void writeRecentResultsSection(void);

#endif
