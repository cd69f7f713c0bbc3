#include "analysis/RivalGames.h"

#include "analysis/GameEntryParser.h"
#include "analysis/OpponentTable.h"
#include "analysis/TakenGames.h"
#include "platform/platform.h"

#include <gtest/gtest.h>
#include <stddef.h>
#include <string.h>
#include <string>
#include <vector>

struct TestSeat {
    const char* name;
    int rank, score;
    float share;
};

// A game of the player "Me" at seat 0 with the given other seats; n numbers it (date, time, rate).
static GameEntry game(unsigned n, int myRank, int myScore, std::vector<TestSeat> others)
{
    GameEntry g;
    memset(&g, 0, sizeof g);
    snprintf(g.date, sizeof g.date, "2024/%02u/%02u", 1 + n / 28 % 12, 1 + n % 28);
    snprintf(g.time, sizeof g.time, "%02u:%02u", n / 60 % 24, n % 60);
    g.lobby = "一般ロビー";
    g.rate = (int)n;
    g.seatCount = 1 + (int)others.size();
    copyText(g.seats[0].name, sizeof g.seats[0].name, "Me");
    g.seats[0].rank = myRank;
    g.seats[0].score = myScore;
    for (size_t i = 0; i < others.size(); i++) {
        copyText(g.seats[i + 1].name, sizeof g.seats[i + 1].name, others[i].name);
        g.seats[i + 1].rank = others[i].rank;
        g.seats[i + 1].score = others[i].score;
        g.seats[i + 1].share = others[i].share;
        g.seats[i + 1].nameHash = nameHash(g.seats[i + 1].name);
    }
    return g;
}

static RivalGames rivals;

static Rival* rivalNamed(const char* name)
{
    clearRivalGames(&rivals);
    OpponentRecord record;
    memset(&record, 0, sizeof record);
    copyText(record.name, sizeof record.name, name);
    return &rivals.rivals[addRival(&rivals, &record, 0) - 1];
}

TEST(RivalGames, AMeetingPerSeatOfTheOpponentAndOddRanksWithoutAPlace)
{
    Rival* a = rivalNamed("A");
    GameEntry games[] = {
        game(1, 1, 20, { { "A", 2, 10, 300.0f }, { "B", 3, -30, 600.0f } }),                  // three players
        game(2, 4, -40, { { "A", 1, 30, -400.0f }, { "A", 2, 20, -100.0f }, { "C", 3, -10, 0 } }),  // A twice
        game(3, 7, 5, { { "A", 0, -5, 50.0f }, { "B", 1, 0, 0 } }),                           // odd ranks
        game(4, 1, 40, { { "B", 2, -40, 900.0f } }),                                           // no A
    };
    for (const GameEntry& g : games) addGameToRivals(&rivals, &g);
    EXPECT_EQ(a->meetings, 4);
    // The places of each kind apart: games 1 and 3 have three seats.
    const PlaceSums *mine = a->playerPlaces, *his = a->places;
    EXPECT_EQ(std::vector<int>(mine[KIND_FOUR].rankCounts, mine[KIND_FOUR].rankCounts + 4), (std::vector<int>{ 0, 0, 0, 2 }));
    EXPECT_EQ(std::vector<int>(his[KIND_THREE].rankCounts, his[KIND_THREE].rankCounts + 4), (std::vector<int>{ 0, 1, 0, 0 }));
    EXPECT_EQ(mine[KIND_THREE].rankSum, 1 + 7) << "an odd rank still counts in the average";
    EXPECT_EQ(his[KIND_FOUR].scoreSum, 30 + 20);
    EXPECT_EQ(his[KIND_THREE].scoreSum, 10 - 5);
    EXPECT_FLOAT_EQ(a->runningBalance, 300.0f - 400.0f - 100.0f + 50.0f);
    EXPECT_EQ(recentRivalGame(a, 1)->share, -100.0f) << "the second seat of game 2 is a row of its own";
    EXPECT_EQ(findRival(&rivals, "B"), 0) << "an opponent not chosen is not counted";
}

TEST(RivalGames, BalanceInAtMost200BucketsEndingAtTheLastMeeting)
{
    struct Case {
        int meetings, points, span;
    } cases[] = { { 1, 1, 1 }, { 200, 200, 1 }, { 201, 101, 2 }, { 1000, 125, 8 }, { 100000, 196, 512 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meetings);
        Rival* a = rivalNamed("A");
        for (int n = 1; n <= c.meetings; n++) {
            GameEntry g = game(n, 1, 10, { { "A", 2, -10, (float)(n % 3) } });
            addGameToRivals(&rivals, &g);
        }
        ASSERT_EQ(a->pointCount, c.points);
        EXPECT_EQ(a->span, c.span);
        EXPECT_EQ(a->points[c.points - 1].game, c.meetings);
        EXPECT_EQ(a->points[c.points - 1].balance, a->runningBalance);
        for (int i = 0; i + 1 < a->pointCount; i++) ASSERT_EQ(a->points[i].game, (i + 1) * c.span);
    }
}

TEST(RivalGames, TheLast20NewestFirst)
{
    for (int meetings : { 3, 25 }) {
        SCOPED_TRACE(meetings);
        Rival* a = rivalNamed("A");
        for (int n = 1; n <= meetings; n++) {
            GameEntry g = game(n, 1, 10, { { "A", 2, -10, 0 } });
            addGameToRivals(&rivals, &g);
        }
        int shown = meetings < 20 ? meetings : 20;
        for (int i = 0; i < shown; i++) ASSERT_EQ(recentRivalGame(a, i)->rate, meetings - i) << i;
        GameEntry last = game(meetings, 1, 10, {});
        EXPECT_STREQ(recentRivalGame(a, 0)->date, last.date);
        EXPECT_STREQ(recentRivalGame(a, 0)->lobby, "一般ロビー");
    }
}

static FILE* fullDisk(void) { return fopen("/dev/full", "w+b"); }

// The games kept in the scratch file, played back by their records, feed the rivals exactly as the
// games themselves: over several buffers, with lobbies shared or not, three and four seats, numbers too
// wide for the short form, an opponent in two seats. A full disk or no file plays back nothing.
TEST(RivalGames, KeptGamesPlayBackAsTheGamesThemselves)
{
    const char* names[] = {"A", "B", "C", "D", "E"};   // records 0 to 4; A, C and E have a page
    static RivalGames direct;
    std::vector<GameEntry> games;
    std::vector<std::string> lobbies = {"一般ロビー", "上級ロビー", "", std::string(90, 'x')};
    int counts[5] = {};
    for (unsigned n = 0; n < 9000; n++) {
        std::vector<TestSeat> others;
        for (unsigned s = 0; s < 2 + n % 2; s++) others.push_back({names[(n * 7 + s * (n % 5 + 1)) % 5], (int)s + 2, -(int)(n % 90), 10.5f * n});
        GameEntry g = game(n, 1, 90 * (int)others.size(), others);
        g.lobby = lobbies[n / 3 % lobbies.size()].c_str();
        if (n % 500 == 7) g.seats[1].score = 40000, g.rate = 70000;
        if (n % 700 == 3) g.seats[2].rank = -300;
        games.push_back(g);
        for (size_t i = 0; i < others.size(); i++) counts[others[i].name[0] - 'A']++;
    }
    TakenGames* kept = new TakenGames();
    for (int disk = 0; disk < 3; disk++) {
        openTakenGamesFile = disk == 1 ? fullDisk : disk == 2 ? [] { return (FILE*)NULL; } : openScratchFile;
        clearRivalGames(&rivals);
        clearRivalGames(&direct);
        for (int r : {0, 2, 4}) {
            OpponentRecord record = {};
            copyText(record.name, sizeof record.name, names[r]);
            record.games = counts[r];
            addRival(&rivals, &record, r);
            addRival(&direct, &record, r);
        }
        EXPECT_EQ(startTakenGames(kept), disk != 2);
        for (const GameEntry& g : games) {
            int records[MAX_SEATS] = {-1};
            for (int i = 1; i < g.seatCount; i++) records[i] = g.seats[i].name[0] - 'A';
            keepTakenGame(kept, &g, records);
            addGameToRivals(&direct, &g);
        }
        ASSERT_EQ(replayTakenGames(kept, &rivals), disk == 0);
        closeTakenGames(kept);
        if (disk) continue;
        for (int r = 0; r < 3; r++) {
            const Rival *a = &rivals.rivals[r], *b = &direct.rivals[r];
            ASSERT_EQ(a->meetings, b->meetings);
            EXPECT_EQ(memcmp(a->playerPlaces, b->playerPlaces, sizeof a->playerPlaces), 0);
            EXPECT_EQ(memcmp(a->places, b->places, sizeof a->places), 0);
            EXPECT_EQ(a->runningBalance, b->runningBalance);
            EXPECT_EQ(memcmp(a->points, b->points, sizeof a->points), 0);
            for (int i = 0; i < RIVAL_RECENT_GAMES; i++) {
                const RivalGame *x = recentRivalGame(a, i), *y = recentRivalGame(b, i);
                EXPECT_EQ(std::string(x->date) + x->time + x->lobby, std::string(y->date) + y->time + y->lobby);
                EXPECT_EQ(memcmp(&x->rate, &y->rate, sizeof *x - offsetof(RivalGame, rate)), 0) << i;
            }
        }
    }
    openTakenGamesFile = openScratchFile;
    delete kept;
}
