#ifndef VORNIX_RIVALCHOICE_H
#define VORNIX_RIVALCHOICE_H
// Which opponents get a page of their own: every one the report's opponent sections name (the 30 most
// played, the top and worst 20 by balance and by margin), in the order of the most-played list, then
// the others in the order they first appear in the report.

// Fills run.rivalGames (analysis/RivalGames.h) with those opponents and their rows of the per-opponent
// table, as the report will order them. The opponent table must be in the order the log's read left it
// (the report's sorts start from it); it is not moved. Returns the number of opponents chosen.
int chooseRivals(void);

#endif
