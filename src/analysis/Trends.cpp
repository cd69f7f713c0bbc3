#include "analysis/Trends.h"

#include "analysis/GameEntryParser.h"
#include "analysis/MonthlySummary.h"
#include "analysis/PlayerStats.h"
#include "analysis/RunState.h"
#include "analysis/TrendSeries.h"

void clearTrends(void)
{
    clearMonthlySummary();
    clearTrendSeries();
}

void addGameToTrends(const char* date, int rate, const int* ranks, const int* scores)
{
    float shares[MAX_SEATS];
    computeMoneyShares(rate, scores, shares);
    double money = 0.0;
    for (int i = 0; i < run.seatCount; i++) money += shares[i];
    addGameToMonth(date, ranks[run.playerSeat], scores[run.playerSeat], money);
    addGameToTrendSeries(ranks[run.playerSeat], money);
}
