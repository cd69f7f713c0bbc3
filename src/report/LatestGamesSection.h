#ifndef VORNIX_LATESTGAMESSECTION_H
#define VORNIX_LATESTGAMESSECTION_H
// The report's list of the player's latest games, with the option 詳しい成績: the last 20 accepted
// games, newest first, each with its opponents (linked to their sections of the page of each
// opponent while the report's names link).

// Writes the section from run.latestGames (at least one game).
void writeLatestGamesSection(void);

// In a run over several IDs, the cell naming which of them played (run.player's playerId), and the
// heading's cell for it when heading is 1; nothing in a run over one ID.
void writePlayedIdCell(int playerId, int heading);

#endif
