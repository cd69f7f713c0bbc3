#ifndef VORNIX_RIVALSPAGE_H
#define VORNIX_RIVALSPAGE_H
// "<ID>_対戦相手別.html": a section for each opponent of analysis/RivalGames.h, in its order, with the
// anchor "r" and its number: the row of the per-opponent table, the finishing places of both, the
// running balance as a chart and the last 20 shared games.

// Writes the page onto the open file of the run's OUTPUT_RIVALS and finishes it (not placed). Returns
// 1 when it was written in full; 0 otherwise (the temporary file is then gone).
int writeRivalsPage(void);

#endif
