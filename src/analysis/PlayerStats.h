#ifndef VORNIX_PLAYERSTATS_H
#define VORNIX_PLAYERSTATS_H
// The analysed player's counters, streaks and ring of recent results, and the money shares of a game.

#include "text/Text.h"

enum { RECENT_SLOTS = 100 };

struct PlayerTotals {
    int games;               // accepted games
    int wins;                // score above 0
    int losses;              // score below 0
    int draws;               // score 0
    int bestScore;           // highest positive score; 0 while there is none
    int worstScore;          // lowest negative score; 0 while there is none
    int rankCounts[4];       // games finished 1st to 4th
    int currentWinStreak;
    int currentLossStreak;
    int longestWinStreak;    // 0 or at least 2
    int longestLossStreak;   // 0 or at least 2
    long long scoreSum;      // sum of the player's scores (64 bits: absurd logs must not overflow)
    long long rankSum;       // sum of the player's ranks
};

struct RecentResults {
    int slots[RECENT_SLOTS];   // the player's scores, in the order the games were accepted
    int next;                  // slot that receives the next result, 0 to 99
};

// The run's are run.playerTotals, run.recentResults and run.previousResult (analysis/RunState.h).

// Clears the totals, run.previousResult and the ring's next-write index (not its slots).
void resetPlayerStats(void);

// The money the player (at run.playerSeat) receives from (positive) or pays to (negative) each of the
// run.seatCount seats: with P the sum of the positive scores, a seat of the opposite sign gets
// -(rate * |player's score| * its score) / P, computed in double and stored as float; every other
// seat, the player's own included, gets 0, and so does every seat when the rate is 0.
void computeMoneyShares(int rate, const int* scores, float* shares);

// Adds one accepted game: rate, and run.seatCount ranks, scores and names in seat order; the player sits
// at run.playerSeat. Updates the totals, the ring, the opponent table, and completes the game's row of
// the per-game table when it is open.
void addGameToTotals(int rate, const int* ranks, const int* scores, const char (*names)[ID_SIZE]);

#endif
