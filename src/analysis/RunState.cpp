// The process-wide state of the analysis run, defined in one place. The operations on it live in the
// files named after each record.
#include "run/AnalysisRun.h"
#include "analysis/GameEntryParser.h"
#include "analysis/GameResultsTable.h"
#include "analysis/MonthlySummary.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerStats.h"
#include "analysis/TrendSeries.h"

int seatCount = 4;
int playerSeat = 0;

PlayerTotals playerTotals;
RecentResults recentResults;
int previousResult = 0;

OpponentTable opponentTable = { NULL, 0, -1 };

char gameTableName[TABLE_NAME_SIZE];
FILE* gameTableFile = NULL;
int gameTableCreated = 0;
int gameTableWritten = 0;

MonthlySummary monthlySummary = { NULL, 0, 0, 0 };
TrendSeries trendSeries;

time_t runStartTime = 0;
void (*runProgress)(void) = NULL;
