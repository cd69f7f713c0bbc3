#ifndef VORNIX_RIVALGAMES_H
#define VORNIX_RIVALGAMES_H
// The games shared with the opponents the report names, for the page of each: counters, the last 20
// shared games and the running balance in at most 200 buckets. The opponents are chosen after the
// first read of the log (report/RivalChoice.h); the second read feeds their games here, so the memory
// stays the same for a log of any length.

#include "analysis/GameKind.h"
#include "text/NameIndex.h"
#include "text/Text.h"

struct GameEntry;
struct OpponentRecord;

enum {
    RIVAL_SLOTS = 110,          // 30 most played and four lists of 20
    RIVAL_RECENT_GAMES = 20,    // shared games listed, the newest
    RIVAL_POINTS = 200,         // buckets of the balance series, an even number
    RIVAL_INDEX_SIZE = 256,     // slots of the name index, a power of two above twice RIVAL_SLOTS
    RIVAL_LOBBY_SIZE = 80       // a lobby of a header line, at most 79 bytes
};

// One shared game as the page lists it: one row per seat of the opponent.
struct RivalGame {
    char date[11];
    char time[6];
    char lobby[RIVAL_LOBBY_SIZE];
    int rate;
    int playerId;              // which of the player's IDs played (its index)
    int playerRank, playerScore;
    int rank, score;           // the opponent's
    float share;               // the money between the two, as the per-game table writes it
};

// The state after the last game of a bucket.
struct RivalPoint {
    int game;        // number of the bucket's last shared game so far
    float balance;   // the running balance after it
};

struct Rival {
    char name[ID_SIZE];            // as in the opponent table
    // The opponent's row of the per-opponent table, from the first read.
    int games, above, below;
    float balance;
    // Counted in the second read: a game counts once for each seat of the opponent, as in the table.
    int meetings;
    PlaceSums playerPlaces[GAME_KINDS];   // the player's places in the shared games of each kind
    PlaceSums places[GAME_KINDS];         // the opponent's
    float runningBalance;             // the shares summed in the order the table sums them
    RivalGame recent[RIVAL_RECENT_GAMES];   // a ring: meeting n at slot (n - 1) % 20
    RivalPoint points[RIVAL_POINTS];
    int pointCount;                   // buckets in use
    int span;                         // meetings per bucket: 1, 2, 4, ...
};

struct RivalGames {
    Rival rivals[RIVAL_SLOTS];   // in the page's order
    int count;
    NameSlot slots[RIVAL_INDEX_SIZE];   // the storage of index
    NameIndex index;                    // the rivals by name; set up by clearRivalGames
    // The rivals by the index of their record: a slot holds a number (0 for none) and that rival's
    // record, side by side for a lookup that touches no rival.
    unsigned char byRecord[RIVAL_INDEX_SIZE];
    int recordOf[RIVAL_INDEX_SIZE];
};

// The run's is run.rivalGames (analysis/RunState.h). A RivalGames is not to be copied: its index
// points into it.

// Empties the list (and makes its index ready: the first call on a new record).
void clearRivalGames(RivalGames* games);

// Appends the opponent of the table's record (its index there recordIndex), with its row's figures,
// unless it is in the list already. Returns its number (1-based, its place on the page); 0 when the
// list is full.
int addRival(RivalGames* games, const OpponentRecord* record, int recordIndex);

// The number of the opponent named name, 0 when it is not in the list.
int findRival(const RivalGames* games, const char* name);

// Adds the game to the rival of every seat but the player's that is in the list.
void addGameToRivals(RivalGames* games, const GameEntry* game);

// The same with the seats' opponents told by the indexes of their records (records[i] for seat i, the
// player's ignored), as the first read found them: names and hashes are not looked at.
void addGameToRivalsAt(RivalGames* games, const GameEntry* game, const int records[]);

// The games of rival (1 to 20, at most meetings), newest first: newest 0 is the last shared game.
const RivalGame* recentRivalGame(const Rival* rival, int newest);

#endif
