#include "analysis/Trends.h"

#include "analysis/GameEntryParser.h"
#include "analysis/GameKind.h"
#include "analysis/MonthlySummary.h"
#include "analysis/RunState.h"
#include "analysis/TrendSeries.h"
#include "settings/Settings.h"

void clearTrends(void)
{
    clearMonthlySummary();
    clearTrendSeries(&run.trendSeries);
    for (TrendSeries& series : run.kindTrends) clearTrendSeries(&series);
}

void addGameToTrends(const GameEntry* game)
{
    if (!settings.trendCharts) return;
    double money = 0.0;
    for (int i = 0; i < game->seatCount; i++) money += game->seats[i].share;
    const Seat* player = &game->seats[game->playerSeat];
    int kind = gameKind(game->seatCount);
    addGameToMonth(game->date, kind, player->rank, player->score, money);
    addGameToTrendSeries(&run.trendSeries, player->rank, money);
    addGameToTrendSeries(&run.kindTrends[kind], player->rank, money);
}
