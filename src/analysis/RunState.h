#ifndef VORNIX_RUNSTATE_H
#define VORNIX_RUNSTATE_H
// What one analysis run counts, in one process-wide record: who the player is, the log it reads, the
// structures its games are counted into (each with functions of its own that take it), and the run
// driver's start time and progress hook. The game intake hands each taken game to the structures
// runIntake points to, the report and the front ends read them; resetRunState clears them at the
// start of every run. The run's files are report/RunOutput.h's.

#include "analysis/DetailedStats.h"
#include "analysis/GameIntake.h"
#include "analysis/LatestGames.h"
#include "analysis/LogReader.h"
#include "analysis/MonthlySummary.h"
#include "analysis/OpponentTable.h"
#include "analysis/PlayerIdentity.h"
#include "analysis/PlayerStats.h"
#include "analysis/RivalGames.h"
#include "analysis/TakenGames.h"
#include "analysis/TrendSeries.h"

#include <stddef.h>
#include <time.h>

enum { SKIPPED_LINES_TEXT_SIZE = SKIPPED_LINES_KEPT * 22 + 8 };   // ten numbers, separators and "、…"


struct RunState {
    PlayerIdentity player;          // whose games the run reads; set by the run driver before the
                                    // first read
    // Counted while the log is read.
    int skippedEntries;             // broken entries skipped by the tolerant reading
    long long skippedLines[SKIPPED_LINES_KEPT];   // the lines that failed the first of them (the
                                                  // header line of one cut short by the next)
    int twoIdEntries;               // selected entries that seated two of the player's IDs, not taken
    ReadTally reads[2];             // the first read's, and the second's with the page of each
                                    // opponent
    int readsFinished;              // reads of the log done: 0 while the first is in progress
    PlayerTotals playerTotals;
    RecentResults recentResults;
    OpponentTable opponentTable;    // its storage outlives the run
    MonthlySummary monthlySummary;  // fed only with the progress option; its storage outlives the run
    TrendSeries trendSeries;        // fed only with the progress option
    TrendSeries kindTrends[GAME_KINDS];   // the same over the games of each kind, for their ranks
    RivalGames rivalGames;          // the opponents with a page and their shared games, fed only by
                                    // the taken games played back, or the second read
    TakenGames takenGames;          // the first read's taken games, kept with the page of each
                                    // opponent
    DetailedStats detailedStats;    // fed only with the option 詳しい成績; its rate table outlives
                                    // the run
    LatestGames latestGames;        // fed only with the option 詳しい成績

    // The run driver's: not cleared by resetRunState.
    LogReader log;                  // the game log the run reads, opened by the front end
    time_t startTime;               // taken as the run's very first step
    void (*progress)(void);         // when set, called by the read loop at every line of the log, for
                                    // a progress display (logBytesRead and logSize of log tell how far the run
                                    // has come); NULL, the default: nothing is called
};

extern RunState run;

// The reads' consumers' context: the structures of run they feed.
extern IntakeTargets runIntake;

// Clears everything the run counts, field by field: no game, no skipped entry, no opponent, empty
// trends. The opponent table and the monthly summary keep their storage, the ring its slots (only its
// next-write index goes back to 0); startTime and progress stay.
void resetRunState(void);

// The line numbers of the first skipped entries joined by "、", with "、…" after them when more were
// skipped, into out (size bytes, cut to fit); empty when none was.
void skippedLinesText(char* out, size_t size);

#endif
