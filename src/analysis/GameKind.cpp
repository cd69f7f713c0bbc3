#include "analysis/GameKind.h"

const char* kindName(int kind)
{
    return kind == KIND_THREE ? "3人打ち" : "4人打ち";
}

void addToPlaceSums(PlaceSums* sums, int rank, int score)
{
    sums->games++;
    if (rank >= 1 && rank <= 4) sums->rankCounts[rank - 1]++;
    sums->rankSum += rank;
    sums->scoreSum += score;
}

int singleKind(const PlaceSums sums[GAME_KINDS])
{
    if (sums[KIND_FOUR].games && sums[KIND_THREE].games) return -1;
    return sums[KIND_THREE].games ? KIND_THREE : KIND_FOUR;
}
