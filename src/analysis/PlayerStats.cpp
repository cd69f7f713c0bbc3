#include "analysis/PlayerStats.h"

#include "analysis/GameEntryParser.h"
#include "analysis/RunState.h"

#include <string.h>

void resetPlayerStats(void)
{
    memset(&run.playerTotals, 0, sizeof run.playerTotals);
    run.previousResult = 0;
    run.recentResults.next = 0;
}

// Games, wins, losses, draws, best and worst score, rank sum and rank counts for the player's score s
// and rank.
static void countResult(int s, int rank)
{
    run.playerTotals.games++;
    run.playerTotals.scoreSum += s;
    if (s > 0) {
        run.playerTotals.wins++;
        if (s > run.playerTotals.bestScore) run.playerTotals.bestScore = s;
    } else if (s < 0) {
        run.playerTotals.losses++;
        if (s < run.playerTotals.worstScore) run.playerTotals.worstScore = s;
    } else {
        run.playerTotals.draws++;
    }
    run.playerTotals.rankSum += rank;
    // A rank outside 1 to 4 has no counter; it still counts in the rank sum.
    if (rank >= 1 && rank <= 4) run.playerTotals.rankCounts[rank - 1]++;
}

// A streak grows while the score keeps the sign of the previous one; the longest streaks are taken
// only when a streak grows, so they are 0 or at least 2.
static void countStreaks(int s)
{
    int sameSign = (s > 0 && run.previousResult > 0) || (s < 0 && run.previousResult < 0);
    if (sameSign && s > 0) {
        run.playerTotals.currentWinStreak++;
        if (run.playerTotals.currentWinStreak > run.playerTotals.longestWinStreak)
            run.playerTotals.longestWinStreak = run.playerTotals.currentWinStreak;
    } else if (sameSign) {
        run.playerTotals.currentLossStreak++;
        if (run.playerTotals.currentLossStreak > run.playerTotals.longestLossStreak)
            run.playerTotals.longestLossStreak = run.playerTotals.currentLossStreak;
    } else {
        run.playerTotals.currentWinStreak = s > 0;
        run.playerTotals.currentLossStreak = s < 0;
    }
    run.previousResult = s;
}

static void rememberResult(int s)
{
    run.recentResults.slots[run.recentResults.next] = s;
    run.recentResults.next = (run.recentResults.next + 1) % RECENT_SLOTS;
}

void computeMoneyShares(GameEntry* game)
{
    Seat* seats = game->seats;
    int s = seats[game->playerSeat].score;
    long long positiveSum = 0;
    for (int i = 0; i < game->seatCount; i++) {
        seats[i].share = 0.0f;
        if (seats[i].score > 0) positiveSum += seats[i].score;
    }
    if (game->rate == 0 || positiveSum == 0) return;
    double lost = s < 0 ? -(double)s : (double)s;
    for (int i = 0; i < game->seatCount; i++) {
        int opposite = (s > 0 && seats[i].score < 0) || (s < 0 && seats[i].score > 0);
        if (opposite)
            seats[i].share = (float)(-((double)game->rate * lost * (double)seats[i].score) / (double)positiveSum);
    }
}

void addGameToTotals(const GameEntry* game)
{
    const Seat* player = &game->seats[game->playerSeat];
    countResult(player->score, player->rank);
    addToPlaceSums(&run.playerTotals.kinds[gameKind(game->seatCount)], player->rank, player->score);
    countStreaks(player->score);
    rememberResult(player->score);
}
