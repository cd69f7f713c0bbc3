#include "analysis/Trends.h"

#include "analysis/GameEntryParser.h"
#include "analysis/MonthlySummary.h"
#include "analysis/TrendSeries.h"
#include "settings/Settings.h"

void clearTrends(void)
{
    clearMonthlySummary();
    clearTrendSeries();
}

void addGameToTrends(const GameEntry* game)
{
    if (!settings.trendCharts) return;
    double money = 0.0;
    for (int i = 0; i < game->seatCount; i++) money += game->seats[i].share;
    const Seat* player = &game->seats[game->playerSeat];
    addGameToMonth(game->date, player->rank, player->score, money);
    addGameToTrendSeries(player->rank, money);
}
