#ifndef VORNIX_OPPONENTSECTIONS_H
#define VORNIX_OPPONENTSECTIONS_H
// The report's three opponent sections: the most-played list and the balance and win-loss rankings.

struct OpponentPicks;
struct OpponentRecord;

enum {
    MOST_PLAYED_COLUMN_ROWS = 15,   // two columns of 15
    RANKING_ROWS = 20               // top 20 beside worst 20
};

// How a row ends depends on the list it belongs to.
enum RowEnd {
    ROW_END_MOST_PLAYED,   // " 円</td>" then "</tr>\n"
    ROW_END_TOP,           // " 円</td></tr>\n"
    ROW_END_WORST          // "円</td></tr>\n"
};

// The lists below are those of picks (report/OpponentOrder.h: pickShownOpponents), picked from the
// table without moving a record.

// The 30 opponents met most often (equal counts fall to the table's order: the order first met).
void writeMostPlayedList(const OpponentPicks* picks);

// The 20 highest and the 20 lowest balances (ties fall to the games, then to the table's order).
void writeBalanceRanking(const OpponentPicks* picks);

// The 20 largest and the 20 smallest margins (ties fall to the balance, the games, then the table's
// order).
void writeMarginRanking(const OpponentPicks* picks);

// From now on, the name of each opponent with a page of its own (analysis/RivalGames.h) links to its
// section: pageHref (HTML-escaped, kept by the caller), "#" and the section's anchor. NULL: no links.
void linkOpponentNames(const char* pageHref);

// An opponent's name, HTML-escaped, linked to its section while names link and the opponent has one.
void writeOpponentName(const char* name);

// One opponent row: its place `number`, the name (HTML-escaped), games, above/below and balance.
void writeOpponentRow(const OpponentRecord* record, int number, RowEnd rowEnd);

// A balance cut toward zero to whole yen, with a "-" when below zero and a "," between groups of three
// digits: 1234.9 gives "1,234", -0.4 gives "-0". Magnitudes of any size are written in full.
void writeAmount(float balance);

#endif
