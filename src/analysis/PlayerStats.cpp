#include "analysis/PlayerStats.h"

#include "analysis/GameEntryParser.h"
#include "analysis/GameResultsTable.h"
#include "analysis/OpponentTable.h"
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

void computeMoneyShares(int rate, const int* scores, float* shares)
{
    int s = scores[run.playerSeat];
    long long positiveSum = 0;
    for (int i = 0; i < run.seatCount; i++) {
        shares[i] = 0.0f;
        if (scores[i] > 0) positiveSum += scores[i];
    }
    if (rate == 0 || positiveSum == 0) return;
    double lost = s < 0 ? -(double)s : (double)s;
    for (int i = 0; i < run.seatCount; i++) {
        int opposite = (s > 0 && scores[i] < 0) || (s < 0 && scores[i] > 0);
        if (opposite) shares[i] = (float)(-((double)rate * lost * (double)scores[i]) / (double)positiveSum);
    }
}

// Adds the game with seat i to that opponent's record. The money fields are floats and every
// addition is rounded to float.
static void countOpponent(const char* name, int s, int score, float share)
{
    int index = findOrAddOpponent(name);   // may move the storage: take the address after it
    OpponentRecord* record = &run.opponentTable.records[index];
    record->games++;
    if (share > 0.0f) {
        float won = record->moneyWon + share;
        record->moneyWon = won;
    } else {
        float lost = record->moneyLost + share;
        record->moneyLost = lost;
    }
    float balance = record->balance + share;
    record->balance = balance;
    if (s > score) record->above++;
    else record->below++;
}

void addGameToTotals(int rate, const int* ranks, const int* scores, const char (*names)[ID_SIZE])
{
    int p = run.playerSeat;
    int s = scores[p];
    float shares[MAX_SEATS];
    countResult(s, ranks[p]);
    countStreaks(s);
    rememberResult(s);
    computeMoneyShares(rate, scores, shares);
    for (int i = 0; i < run.seatCount; i++)
        if (i != p) countOpponent(names[i], s, scores[i], shares[i]);
    if (!gameTableFile) return;
    for (int i = 0; i < run.seatCount; i++) writeGameRowSeat(names[i], ranks[i], scores[i], shares[i]);
    writeGameRowEnd();
}
