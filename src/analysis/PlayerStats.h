#ifndef VORNIX_PLAYERSTATS_H
#define VORNIX_PLAYERSTATS_H
// The analysed player's counters, streaks and ring of recent results, and the money shares of a game.

#include "analysis/GameKind.h"

struct GameEntry;

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
    PlaceSums kinds[GAME_KINDS];   // the places and scores of the four- and of the three-player games
    int previousResult;      // the player's score in the previous accepted game; 0 at the start
};
// rankCounts, rankSum and scoreSum are over every game: figures of their own only while every game is
// of one kind (singleKind of kinds); a history of both kinds shows those of each kind instead.

struct RecentResults {
    int slots[RECENT_SLOTS];   // the player's scores, in the order the games were accepted
    int next;                  // slot that receives the next result, 0 to 99
};

// The run's are run.playerTotals and run.recentResults (analysis/RunState.h).

// Clears the totals and the ring's next-write index (not its slots).
void resetPlayerStats(PlayerTotals* totals, RecentResults* recent);

// Sets the share of each of game->seatCount seats: the money the player (at game->playerSeat) receives
// from (positive) or pays to (negative) it. With P the sum of the positive scores, a seat of the
// opposite sign gets -(rate * |player's score| * its score) / P, computed in double and stored as
// float; every other seat, the player's own included, gets 0, and so does every seat when the rate is 0.
void computeMoneyShares(GameEntry* game);

// Adds the player's result in one accepted game to the totals, those of its kind, the streaks and
// the ring.
void addGameToTotals(PlayerTotals* totals, RecentResults* recent, const GameEntry* game);

#endif
