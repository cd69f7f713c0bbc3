#include "analysis/Trends.h"

#include "analysis/GameEntryParser.h"
#include "analysis/MonthlySummary.h"
#include "analysis/TrendSeries.h"

void clearTrends(MonthlySummary* months, TrendSeries* series, TrendSeries kindSeries[GAME_KINDS])
{
    clearMonthlySummary(months);
    clearTrendSeries(series);
    for (int kind = 0; kind < GAME_KINDS; kind++) clearTrendSeries(&kindSeries[kind]);
}

void addGameToTrends(MonthlySummary* months, TrendSeries* series, TrendSeries kindSeries[GAME_KINDS],
                     const GameEntry* game)
{
    double money = game->money;
    const Seat* player = &game->seats[game->playerSeat];
    int kind = gameKind(game->seatCount);
    addGameToMonth(months, game->date, kind, player->rank, player->score, money);
    addGameToTrendSeries(series, player->rank, money);
    addGameToTrendSeries(&kindSeries[kind], player->rank, money);
}
