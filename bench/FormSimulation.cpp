// vornix-formsim: how often the verdicts of 詳しい成績 are wrong, and how often a real change is seen.
// Simulated players draw every game's rank from fixed probabilities (the score and the money follow
// the rank); the reports are judged by the same functions the report uses. Deterministic: its own
// random numbers from a fixed seed. Prints the measured rates; exit status 1 when a target is missed:
//   1. players whose rank probabilities never change get any 向上 or 低下 in at most 5 % of reports;
//   2. a four-player player whose average rank is 0.3 better over the latest 300 of 600 games is told
//      向上 on 平均順位 in most reports;
//   3. in a table by condition where nothing depends on the condition, at most 5 % of tables mark a row.
#include "analysis/ConditionContrasts.h"
#include "analysis/RecentForm.h"

#include <stdint.h>
#include <stdio.h>
#include <vector>

static uint64_t state = 20250;

static double uniform(void)   // splitmix64, in [0, 1)
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return (double)((z ^ (z >> 31)) >> 11) / 9007199254740992.0;
}

static int draw(const double* probabilities, int count)
{
    double u = uniform();
    for (int i = 0; i < count - 1; i++) {
        if (u < probabilities[i]) return i;
        u -= probabilities[i];
    }
    return count - 1;
}

struct Game { int rank, score; double money; };

// A game: the rank by its probabilities, a score around the rank's typical one, the money at a rate
// of 0, 50 or 100 yen a point.
static Game playGame(const double* rankProbabilities, int seats)
{
    static const int typical[2][4] = { { 45, 10, -15, -40 }, { 40, -5, -35, 0 } };
    static const double rates[] = { 0.3, 0.5, 0.2 };
    int rank = draw(rankProbabilities, seats) + 1;
    int score = typical[seats == 3][rank - 1] + (int)(uniform() * 30.0) - 15;
    return Game{ rank, score, score * 50.0 * draw(rates, 3) };
}

// Compares the latest games of games[0 .. count) with the earlier ones, into rows; 0 when too few.
static int compareGames(const std::vector<Game>& games, int count, int seats, FormRow* rows)
{
    int latest = latestBlockGames(count);
    if (latest == 0) return 0;
    FormBlock whole = {}, last = {}, earlier;
    for (int i = 0; i < count; i++) {
        const Game& g = games[i];
        addToFormBlock(&whole, g.rank, g.score, g.money, seats);
        if (i >= count - latest) addToFormBlock(&last, g.rank, g.score, g.money, seats);
    }
    earlierBlock(&whole, &last, &earlier);
    compareFormBlocks(&last, &earlier, rows);
    return FORM_ROWS;
}

static const double FOUR[] = { 0.28, 0.26, 0.24, 0.22 };
static const double FOUR_BETTER[] = { 0.34, 0.28, 0.22, 0.16 };   // average rank 0.3 below uniform's 2.5
static const double UNIFORM_FOUR[] = { 0.25, 0.25, 0.25, 0.25 };
static const double THREE[] = { 0.36, 0.33, 0.31 };

static std::vector<Game> playGames(int count, const double* probabilities, int seats)
{
    std::vector<Game> games;
    for (int i = 0; i < count; i++) games.push_back(playGame(probabilities, seats));
    return games;
}

// 1 when a report of fourGames four-player and threeGames three-player games says 向上 or 低下 anywhere.
static int falseVerdict(int fourGames, int threeGames)
{
    FormRow rows[FORM_MAX_FAMILY];
    int count = compareGames(playGames(fourGames, FOUR, 4), fourGames, 4, rows);
    count += compareGames(playGames(threeGames, THREE, 3), threeGames, 3, rows + count);
    decideFormRows(rows, count);
    for (int i = 0; i < count; i++)
        if (rows[i].verdict) return 1;
    return 0;
}

// 1 when a table by condition of 500 games, none of whose figures depends on a condition, marks a row.
static int falseMark(void)
{
    static const double shares[4][4] = { { 0.7, 0.3 }, { 0.5, 0.3, 0.2 }, { 0.5, 0.3, 0.2 }, { 0.2, 0.3, 0.3, 0.2 } };
    static const int sizes[4] = { 2, 3, 3, 4 };
    ContrastRow rows[12] = {};
    for (int i = 0; i < 500; i++) {
        int rank = playGame(FOUR, 4).rank;
        for (int group = 0, first = 0; group < 4; first += sizes[group++])
            addToMoments(&rows[first + draw(shares[group], sizes[group])].rank, rank);
    }
    for (int group = 0, first = 0; group < 4; first += sizes[group++])
        for (int i = 0; i < sizes[group]; i++) rows[first + i].group = group;
    double scratch[24];
    markContrasts(rows, 12, scratch);
    for (const ContrastRow& row : rows)
        if (row.mark) return 1;
    return 0;
}

// 1 when a player who looks at the report after every 10th game from 20 to 1,000 games, none of which
// changes, is told 向上 or 低下 at least once (for information: each report alone holds its 5 %).
static int falseVerdictInHistory(void)
{
    std::vector<Game> games = playGames(1000, FOUR, 4);
    for (int count = 20; count <= 1000; count += 10) {
        FormRow rows[FORM_ROWS];
        if (!compareGames(games, count, 4, rows)) continue;
        decideFormRows(rows, FORM_ROWS);
        for (const FormRow& row : rows)
            if (row.verdict) return 1;
    }
    return 0;
}

int main(void)
{
    const int REPORTS = 1000;
    struct Kinds { int four, three; };
    const Kinds players[] = { { 100, 0 }, { 150, 0 }, { 250, 0 }, { 600, 0 }, { 1000, 0 }, { 3000, 0 },
                              { 200, 100 }, { 600, 300 }, { 2000, 1000 } };
    int falseReports = 0, reports = 0;
    for (const Kinds& k : players) {
        int seen = 0;
        for (int r = 0; r < REPORTS; r++) seen += falseVerdict(k.four, k.three);
        printf("no change, %4d four-player and %4d three-player games: a verdict in %5.2f %% of %d reports\n",
               k.four, k.three, seen * 100.0 / REPORTS, REPORTS);
        falseReports += seen;
        reports += REPORTS;
    }
    double falseRate = falseReports * 100.0 / reports;
    printf("no change, all: a verdict in %.2f %% of %d reports (target at most 5 %%)\n", falseRate, reports);

    int improved = 0;
    for (int r = 0; r < REPORTS; r++) {
        std::vector<Game> games = playGames(300, UNIFORM_FOUR, 4);
        for (const Game& g : playGames(300, FOUR_BETTER, 4)) games.push_back(g);
        FormRow rows[FORM_ROWS];
        compareGames(games, 600, 4, rows);
        decideFormRows(rows, FORM_ROWS);
        improved += rows[FORM_RANK].verdict == 1;
    }
    double power = improved * 100.0 / REPORTS;
    printf("average rank 0.3 better in the latest 300 of 600 games: told better in %.2f %% of reports (target above 50 %%)\n",
           power);

    int marked = 0;
    const int TABLES = 10000;
    for (int r = 0; r < TABLES; r++) marked += falseMark();
    double markRate = marked * 100.0 / TABLES;
    printf("table by condition of 500 games, nothing depending on a condition: a mark in %.2f %% of %d tables "
           "(target at most 5 %%)\n", markRate, TABLES);
    int histories = 0;
    for (int r = 0; r < REPORTS; r++) histories += falseVerdictInHistory();
    printf("no change, a report after every 10th game from 20 to 1,000: a verdict at least once in %.2f %% of "
           "%d histories (no target)\n", histories * 100.0 / REPORTS, REPORTS);
    return falseRate <= 5.0 && power > 50.0 && markRate <= 5.0 ? 0 : 1;
}
