#ifndef VORNIX_RECENTFORM_H
#define VORNIX_RECENTFORM_H
// The recent form of 詳しい成績: for one kind of game (four or three seats), its latest games against
// every earlier game of that kind, in five rows, and the verdicts of all the rows a report shows
// together. A verdict is given only when Holm's correction over those rows keeps the chance of any
// false one at 5 %, and only in the direction of the printed difference.

#include "analysis/Intervals.h"

enum {
    FORM_MIN_BLOCK = 50,      // games in each block at least
    FORM_MAX_LATEST = 500,    // games in the latest block at most
    FORM_ROWS = 5,
    FORM_MAX_FAMILY = 2 * FORM_ROWS   // the rows of both kinds
};

enum FormRowName { FORM_RANK, FORM_SCORE, FORM_MONEY, FORM_TOP, FORM_LAST };

// The figures of a block of games of one kind.
struct FormBlock {
    Moments rank, score, money;   // rank.count is the block's games
    int tops;                     // first places
    int lasts;                    // last places: 4th of four seats, 3rd of three
};

// One row of a comparison.
struct FormRow {
    double latest, earlier;   // as printed: the means or the rates in percent, rounded to the row's digits
    double difference;        // latest - earlier of the printed values
    double pValue;            // of Welch's t (means) or Fisher's exact test (rates)
    int lowerIsBetter;        // 1 for the rank and the last rate
    int verdict;              // 1 better, -1 worse, 0 no clear difference; set by decideFormRows
};

// The decimals each row is printed with: 2 for the rank and the score, 0 for the money (whole yen),
// 1 for the rates in percent.
extern const int FORM_DECIMALS[FORM_ROWS];

// Adds a game of seats seats to block.
void addToFormBlock(FormBlock* block, int rank, int score, double money, int seats);

// The games of the latest block of a kind with `games` games: half of them, at most FORM_MAX_LATEST;
// 0 (no comparison) below 2 * FORM_MIN_BLOCK.
int latestBlockGames(int games);

// The earlier block: the games of whole (every game of the kind) that are not in latest.
void earlierBlock(const FormBlock* whole, const FormBlock* latest, FormBlock* earlier);

// Fills the rows (in FormRowName order) comparing latest with earlier, both with at least 2 games;
// the verdicts stay 0 until decideFormRows.
void compareFormBlocks(const FormBlock* latest, const FormBlock* earlier, FormRow rows[FORM_ROWS]);

// Sets the verdicts of the count rows (at most FORM_MAX_FAMILY) a report shows together: Holm at 5 %
// over all of them, and none where the printed difference is 0.
void decideFormRows(FormRow* rows, int count);

// value rounded to decimals digits exactly as "%.*f" prints it (the double nearest that text).
double roundedAsPrinted(double value, int decimals);

#endif
