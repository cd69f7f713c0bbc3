#include "analysis/PlayerStats.h"

#include "analysis/GameEntryParser.h"

#include <string.h>

void resetPlayerStats(PlayerTotals* totals, RecentResults* recent)
{
    memset(totals, 0, sizeof *totals);
    recent->next = 0;
}

// Games, wins, losses, draws, best and worst score, rank sum and rank counts for the player's score s
// and rank.
static void countResult(PlayerTotals* totals, int s, int rank)
{
    totals->games++;
    totals->scoreSum += s;
    if (s > 0) {
        totals->wins++;
        if (s > totals->bestScore) totals->bestScore = s;
    } else if (s < 0) {
        totals->losses++;
        if (s < totals->worstScore) totals->worstScore = s;
    } else {
        totals->draws++;
    }
    totals->rankSum += rank;
    // A rank outside 1 to 4 has no counter; it still counts in the rank sum.
    if (rank >= 1 && rank <= 4) totals->rankCounts[rank - 1]++;
}

// A streak grows while the score keeps the sign of the previous one; the longest streaks are taken
// only when a streak grows, so they are 0 or at least 2.
static void countStreaks(PlayerTotals* totals, int s)
{
    int sameSign = (s > 0 && totals->previousResult > 0) || (s < 0 && totals->previousResult < 0);
    if (sameSign && s > 0) {
        totals->currentWinStreak++;
        if (totals->currentWinStreak > totals->longestWinStreak)
            totals->longestWinStreak = totals->currentWinStreak;
    } else if (sameSign) {
        totals->currentLossStreak++;
        if (totals->currentLossStreak > totals->longestLossStreak)
            totals->longestLossStreak = totals->currentLossStreak;
    } else {
        totals->currentWinStreak = s > 0;
        totals->currentLossStreak = s < 0;
    }
    totals->previousResult = s;
}

static void rememberResult(RecentResults* recent, int s)
{
    recent->slots[recent->next] = s;
    recent->next = (recent->next + 1) % RECENT_SLOTS;
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
    game->money = 0.0;
    if (game->rate == 0 || positiveSum == 0) return;
    double lost = s < 0 ? -(double)s : (double)s;
    for (int i = 0; i < game->seatCount; i++) {
        int opposite = (s > 0 && seats[i].score < 0) || (s < 0 && seats[i].score > 0);
        if (opposite)
            seats[i].share = (float)(-((double)game->rate * lost * (double)seats[i].score) / (double)positiveSum);
    }
    for (int i = 0; i < game->seatCount; i++) game->money += seats[i].share;
}

void addGameToTotals(PlayerTotals* totals, RecentResults* recent, const GameEntry* game)
{
    const Seat* player = &game->seats[game->playerSeat];
    countResult(totals, player->score, player->rank);
    addToPlaceSums(&totals->kinds[gameKind(game->seatCount)], player->rank, player->score);
    countStreaks(totals, player->score);
    rememberResult(recent, player->score);
}
