#ifndef VORNIX_DETAILEDSTATS_H
#define VORNIX_DETAILEDSTATS_H
// What the option 詳しい成績 counts: the player's accepted games summed by condition (seats, game
// length, lobby, rate, time of day), the moments of rank, score and money, and the rank, score and
// money of the latest 500 games of each kind in a ring for the recent form. A place means something
// only among games of one number of seats, so all of that is kept per kind of game, in one record
// for each; only the total and the money over every game are kept beside them. The run feeds it only
// while the option is on; its size grows only with the lobbies of the player's games (few in a real
// log); the rates are a fixed table per kind allocated at the kind's first game.

#include "analysis/GameKind.h"
#include "analysis/Intervals.h"
#include "analysis/LogReader.h"
#include "analysis/RecentForm.h"
#include "text/NameIndex.h"

struct GameEntry;

enum {
    MAX_LOBBIES = 100,      // lobbies with a row of their own: those with the most games
    RATE_ROWS = 20001,      // the rates 0 to 20000
    HOUR_BANDS = 5          // 0-5, 6-11, 12-17, 18-23 and unknown
};

struct ConditionSums {
    int games;
    int rankCounts[4];   // games finished 1st to 4th; another rank counts only in rankSum
    long long rankSum;
    double rankSquares;  // the sum of the squared ranks, for the spread of the rank
    long long scoreSum;
    double money;        // the player's money: every share added in double
};

struct LobbySums {
    char lobby[LOG_LINE_SIZE];   // the lobby text of the game record, whole (a header line is shorter)
    unsigned hash;               // of the text, to find it again
    unsigned length;             // of the text
    ConditionSums sums;
};

// One game in the ring of the latest games.
struct RecentGame {
    double money;
    int score;
    int rank;
    int seatCount;
};

// The figures of the games of one kind (GameKind).
struct KindDetails {
    ConditionSums total;                  // every game of the kind
    ConditionSums byLength[2];            // 0: game-length flag '0' (東風戦), 1: any other flag
    LobbySums* lobbies;                   // every lobby of the kind's games, in the order they first
                                          // came until visitConditionRows sorts them; storage kept
                                          // for the next run
    int lobbyCount;
    int lobbyCapacity;
    NameIndex lobbyIndex;                 // the rows by their text; storage kept for the next run
    int latestLobby;                      // the previous game's lobby, tried first
    ConditionSums* byRate;                // RATE_ROWS rows by rate; NULL until the kind's first game,
                                          // kept for the next run
    ConditionSums byHour[HOUR_BANDS];
    Moments rank, score;                  // over every game of the kind
    Moments money;                        // over every game of the kind, for its recent form
    RecentGame ring[FORM_MAX_LATEST];     // the kind's latest games; ringNext is the oldest once full
    int ringNext;
};

// The run's is run.detailedStats (analysis/RunState.h).
struct DetailedStats {
    ConditionSums total;                  // every game
    Moments money;                        // over every game: money does not depend on the seats
    KindDetails kinds[GAME_KINDS];
};

// One row of the table by condition: the games of one kind within one condition.
struct ConditionRow {
    const char* group;            // "人数", "対局", "ロビー", "レート", "時間帯"
    char name[LOG_LINE_SIZE];     // "4人打ち", a lobby text, a rate, "0-5時", ...
    int kind;                     // GameKind of its games
    const ConditionSums* sums;
};

// The ranks of a row's games as moments (for the interval and the tests of the average rank).
void rankMoments(const ConditionSums* sums, Moments* moments);

// Empties the sums and the rings; the lobby rows, their indexes and the rate tables keep their storage.
void clearDetailedStats(DetailedStats* stats);

// The time band of a time text: 0 to 3 for hours 00-05, 06-11, 12-17 and 18-23 in its first two bytes,
// 4 for a text that does not begin so.
int hourBand(const char* time);

// Adds an accepted game to the total and to every sum and the ring of its kind. Growing the lobby rows or allocating a rate table
// ends the process with MESSAGE_OUT_OF_MEMORY when memory runs out.
void addGameToDetails(DetailedStats* stats, const GameEntry* game);

// Calls visit for every row of the table by condition, in its order, leaving out conditions without
// games: seats, game length, lobbies (the MAX_LOBBIES with the most games, most first, ties in byte
// order, then the others summed in one row), rates rising, time bands; within each group after the
// seats, the four-player rows, then the three-player ones. Sorts the lobby rows so.
void visitConditionRows(DetailedStats* stats, void (*visit)(const ConditionRow* row, void* context), void* context);

// The latest block of the kind's games (latestBlockGames of them) and the earlier block (every
// earlier game of the kind). Returns 0, leaving both unchanged, when the kind has too few games.
int kindFormBlocks(const DetailedStats* stats, int kind, FormBlock* latest, FormBlock* earlier);

// The marks of the rows of the table by condition, in the order of visitConditionRows, into a new
// array of *count values (markContrasts: -1 a better average rank than the rest of its group and
// kind, 1 worse, 0 none) that the caller frees. Running out of memory ends the process with
// MESSAGE_OUT_OF_MEMORY.
signed char* conditionRowMarks(DetailedStats* stats, int* count);

#endif
