#ifndef VORNIX_GAMEKIND_H
#define VORNIX_GAMEKIND_H
// The two kinds of game, by their number of seats, and the place figures of one kind. A place or an
// average score means something only among games of one kind (a third place is last at a
// three-player table), so every such figure is counted per kind.

enum GameKind {
    KIND_FOUR,     // four seats
    KIND_THREE,    // three seats
    GAME_KINDS
};

// The places and scores of the player's games of one kind.
struct PlaceSums {
    int games;
    int rankCounts[4];   // games finished 1st to 4th; another rank counts only in rankSum
    long long rankSum;
    long long scoreSum;
};

// The kind of a game of seatCount seats: three seats, or four (any other count).
inline int gameKind(int seatCount) { return seatCount == 3 ? KIND_THREE : KIND_FOUR; }

// The seats of a kind, 4 or 3: the rank rows its figures have.
inline int kindSeats(int kind) { return kind == KIND_THREE ? 3 : 4; }

// The name of a kind as the report writes it: "4人打ち" or "3人打ち".
const char* kindName(int kind);

// Adds one game of the kind: the player's rank and score.
void addToPlaceSums(PlaceSums* sums, int rank, int score);

// The kind of a run whose games of each kind are counted in sums[GAME_KINDS]: KIND_FOUR or KIND_THREE
// when only that kind (or none) has games, -1 when both have: a mixed history.
int singleKind(const PlaceSums sums[GAME_KINDS]);

#endif
