#ifndef VORNIX_GAMEINTAKE_H
#define VORNIX_GAMEINTAKE_H
// The one place a game of the analysed player enters the run: the read loop of the log, the run's
// selection, which decides whether a game is taken, and the consumers of each read. The first read's
// hands a taken game to every structure it is handed, in a fixed order; the second read's only to the
// shared games of the opponents with a page.

struct DetailedStats;
struct GameEntry;
struct LatestGames;
struct LogReader;
struct MonthlySummary;
struct OpponentTable;
struct PlayerIdentity;
struct PlayerTotals;
struct RecentResults;
struct RivalGames;
struct Seat;
struct TakenGames;
struct TrendSeries;

enum { SKIPPED_LINES_KEPT = 10 };

// The structures the consumers below feed, handed to them as the reading's context.
struct IntakeTargets {
    PlayerTotals* playerTotals;
    RecentResults* recentResults;
    OpponentTable* opponentTable;
    MonthlySummary* monthlySummary;   // fed only with the progress option
    TrendSeries* trendSeries;         // the same
    TrendSeries* kindTrends;          // GAME_KINDS of them, the same
    DetailedStats* detailedStats;     // fed only with the option 詳しい成績
    LatestGames* latestGames;         // the same
    RivalGames* rivalGames;           // fed only after the first read
    TakenGames* takenGames;           // fed when it keeps games (with the page of each opponent)
    int* skippedEntries;              // broken entries skipped by the tolerant reading
    long long* skippedLines;          // SKIPPED_LINES_KEPT of them: the lines of the first
    int* twoIdEntries;                // selected entries that seated two of the player's IDs, not taken
};

// What one read of the log met, so that a second read can tell a log that changed under it.
struct ReadTally {
    long long entries;   // entries begun: lines that begin with "<"
    long long bytes;     // bytes of the file consumed
    int broken;          // broken entries among them
    int stopped;         // 1 when a broken entry ended the read (onBroken returned 0)
};

// One read of the log: where its games go and what it met. A second read is the same loop with
// another consumer.
struct GameReading {
    const PlayerIdentity* player;                             // whose games are read
    void (*seatNamed)(const Seat* seat, void* context);       // NULL, or a hint: every seat's name
                                                              // as soon as it is read
    int (*take)(GameEntry* game, void* context);             // every complete game of the player;
                                                              // returns 1 when it took the game
    int (*onBroken)(const GameEntry* game, void* context);   // every broken entry: 1 goes on after
                                                              // it, 0 ends the read
    void* context;                                            // handed to both
    void (*progress)(void);   // NULL, or called at every line of the log for a progress display
    ReadTally tally;          // filled by readGames
};

// 1 when the entry meets every analysis condition (analysis/Conditions.h), whatever its rate: its
// date text a well-formed day within the period, its lobby one of the lobbies
// byte for byte (a NULL lobby is none), its game length, its number of seats. 1 when none is set.
int gameInsideConditions(const GameEntry* game);

// The run's selection: 1 when the game lies within the rate range (settings.minRate to maxRate, both
// included) and gameInsideConditions holds.
int gameIsSelected(const GameEntry* game);

// The first read's consumer: takes the game when gameIsSelected holds, sets its money shares
// (computeMoneyShares) and hands it to the player's totals, the opponent table, the trends, the
// detailed record, the latest games and the taken games of the IntakeTargets that context points to. Returns 1 when
// taken, 0 when not selected (nothing changes then). A selected game that seats two of the player's
// IDs is not taken but counted in the IntakeTargets' twoIdEntries.
int acceptGame(GameEntry* game, void* context);

// The first read's hint (seatNamed): the lookup of the name in the opponent table of the
// IntakeTargets that context points to, lines later, starts fetching its part of the index now.
void hintOpponentLookup(const Seat* seat, void* context);

// The second read's consumer, with the page of each opponent: a selected game, its shares set, goes
// only to the shared games of the report's opponents (analysis/RivalGames.h) of the IntakeTargets
// that context points to, one that seats two of the player's IDs to none. Returns 1 when taken.
int acceptRivalGame(GameEntry* game, void* context);

// The first read's broken entry: with settings.skipBroken it is counted in the IntakeTargets that
// context points to (its line kept among the first ten) and the read goes on (1); otherwise the run
// ends through fatalEntryError, naming the line that failed (an entry cut short by the next one's
// header line is named by its own header line).
int skipBrokenEntryOrEndRun(const GameEntry* game, void* context);

// The second read's broken entry: with settings.skipBroken the first read counted it already and the
// read goes on (1); otherwise the first read met none there, so the log changed under the run: 0.
int skipBrokenEntryAgain(const GameEntry* game, void* context);

// Reads the open game log from where it stands to its end, the one read loop of a log: every entry goes to readGameEntry,
// every complete game of the player to reading->take, every broken entry to reading->onBroken. After
// a broken entry the read goes on after the line that failed, or at the next entry's header line when
// that stood for a player line (the entry was cut short). What the read met is in reading->tally.
void readGames(LogReader* log, GameReading* reading);

#endif
