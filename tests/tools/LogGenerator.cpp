// vornix-loggen: writes a synthetic game log (code page 932, CR LF) for benchmarks and tests.
// The same options give the same bytes on every system: the generator has its own random numbers.
//
//   vornix-loggen [options] OUTPUT
//     --seed N            seed of the random numbers (1)
//     --games N           number of entries (1000)
//     --size-mb N         instead of --games: entries until the file holds N * 1,000,000 bytes
//     --opponents N       distinct opponents in the pool, 4 to 10,000,000 (1000)
//     --regular-share P   percent of the seats taken by a circle of 100 regulars; the other seats go
//                         to newcomers, each pool member in turn, and once all have come to any
//                         member at random (0: every seat goes to any member at random)
//     --three-player P    percent of the entries that are three-player games, all at the log's end (0)
//     --player ID         the analysed player, 1 to 12 bytes without blanks (Sakura77)
//     --player-share P    percent of the tables at which the player sits (98)
//     --falling-dates     instead of dates, a falling 7-digit number as the date text, so that every
//                         entry is a month of its own and each comes before the ones already seen
//
// Every entry is valid: the scores of an entry sum to 0, rates lie in 0..20000, ranks and scores
// stand at bytes 1 + 10i and 5 + 10i of the result line, names have at most 12 bytes, no line is
// longer than 78 bytes before its CR LF. The three-player entries come last, as logs written before
// each entry was read with its own seats needed them.
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct Options {
    uint64_t seed = 1;
    long long games = 1000;
    long long targetBytes = 0;   // 0: --games decides
    long long opponents = 1000;
    int regularPercent = 0;
    int threePlayerPercent = 0;
    const char* player = "Sakura77";
    int playerPercent = 98;
    int fallingDates = 0;
    const char* output = nullptr;
};

// splitmix64: small, fast and fully defined, unlike the distributions of the standard library.
static uint64_t randomState;

static uint64_t nextRandom(void)
{
    uint64_t z = (randomState += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// A number from 0 to n - 1.
static long long randomBelow(long long n)
{
    return (long long)(((unsigned __int128)nextRandom() * (uint64_t)n) >> 64);
}

static int chance(int percent)
{
    return randomBelow(100) < percent;
}

// Output with a count of the bytes written; every line ends in CR LF.
static FILE* out;
static long long bytesWritten;

static void putLine(const char* format, ...) __attribute__((format(printf, 1, 2)));

static void putLine(const char* format, ...)
{
    char line[128];
    va_list args;
    va_start(args, format);
    int length = vsnprintf(line, sizeof line - 2, format, args);
    va_end(args);
    if (length > (int)sizeof line - 3) length = (int)sizeof line - 3;
    memcpy(line + length, "\r\n", 2);
    fwrite(line, 1, (size_t)length + 2, out);
    bytesWritten += length + 2;
}

// Opponent names: a stem without digit bytes and the decimal number index / stem count, so different
// indexes give different names (the trailing digits and the stem decide the index). "ソ" holds the
// byte 0x5C, "表" too: names must be handled byte for byte.
static const char* const NAME_STEMS[] = {
    "tanuki", "neko", "Ron", "Tsumo", "雀士", "麻雀", "東風", "白發",
    "猫", "狸", "ソラ", "表", "kaze", "Pin", "ﾂﾓ", "リーチ",
};
enum { NAME_SIZE = 32 };   // names have at most 12 bytes; room for the formatter's worst case
enum { NAME_STEM_COUNT = sizeof NAME_STEMS / sizeof NAME_STEMS[0] };

static void opponentName(long long index, char name[NAME_SIZE])
{
    snprintf(name, NAME_SIZE, "%s%lld", NAME_STEMS[index % NAME_STEM_COUNT], index / NAME_STEM_COUNT);
}

// Lobbies with the rate text between their parentheses; an empty rate text writes a header without "(...)".
struct Lobby { const char* name; const char* rateText; };
static const Lobby LOBBIES[] = {
    { "一般ロビー", "点50" },
    { "上級ロビー", "点100" },
    { "東南ロビー", "東50/半100" },
    { "高レート卓", "東1万/半2万" },
    { "特上ロビー", "点1万" },
    { "フリー", "" },
    { "練習ロビー", "なし" },
};
static const char* const ROOMS[] = { "卓%02d", "初心者歓迎%d", "まったり部屋%d", "ガチ卓%d" };
static const char* const RANKS_TEXT[] = { "初段", "二段", "三段", "四段", "五段", "新人" };
static const char* const WIN_KINDS[] = { "ツモ", "ロン" };
static const int HAND_POINTS[] = { 1000, 2000, 3900, 5200, 8000, 12000 };

template <typename T, size_t N> static T pick(T (&table)[N]) { return table[randomBelow((long long)N)]; }

// Game time: minutes since 2008/01/01 00:00.
static long long gameMinutes;

static int daysInMonth(int year, int month)
{
    static const int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    int leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return days[month - 1] + (month == 2 && leap);
}

static void putDateLine(const Options& o, long long index)
{
    if (o.fallingDates) {
        putLine("[%07lld/01 00:00]", 9999999 - index % 10000000);
        return;
    }
    long long days = gameMinutes / 1440;
    int year = 2008, month = 1;
    while (days >= daysInMonth(year, month)) {
        days -= daysInMonth(year, month);
        if (++month == 13) { month = 1; year++; }
    }
    int minute = (int)(gameMinutes % 1440);
    putLine("[%04d/%02d/%02d %02d:%02d]", year, month, (int)days + 1, minute / 60, minute % 60);
}

// Seats: names, and scores that sum to 0; ranks follow the scores (ties by seat order).
struct Table {
    int seats;
    char names[4][NAME_SIZE];
    int scores[4];
    int ranks[4];
};

static int nameTaken(const Table& t, int filled, const char* name)
{
    for (int i = 0; i < filled; i++) {
        if (strcmp(t.names[i], name) == 0) return 1;
    }
    return 0;
}

// The pool's members 0 to 99 are the regulars of the circle; newcomers follow them in turn.
enum { REGULARS = 100 };
static long long nextNewcomer = REGULARS;

static long long pickOpponent(const Options& o)
{
    if (o.regularPercent == 0 || o.opponents <= REGULARS) return randomBelow(o.opponents);
    if (chance(o.regularPercent)) return randomBelow(REGULARS);
    if (nextNewcomer < o.opponents) return nextNewcomer++;
    return randomBelow(o.opponents);
}

static void seatPlayers(Table& t, const Options& o)
{
    int playerSeat = chance(o.playerPercent) ? (int)randomBelow(t.seats) : -1;
    for (int i = 0; i < t.seats; i++) {
        if (i == playerSeat) {
            snprintf(t.names[i], sizeof t.names[i], "%s", o.player);
            continue;
        }
        do opponentName(pickOpponent(o), t.names[i]);
        while (nameTaken(t, i, t.names[i]) || strcmp(t.names[i], o.player) == 0);
    }
}

static void score(Table& t)
{
    int sum;
    do {
        sum = 0;
        for (int i = 0; i < t.seats - 1; i++) {
            t.scores[i] = chance(3) ? 0 : (int)randomBelow(141) - 60;
            sum += t.scores[i];
        }
    } while (sum < -150 || sum > 150);
    t.scores[t.seats - 1] = -sum;
    for (int i = 0; i < t.seats; i++) {
        t.ranks[i] = 1;
        for (int j = 0; j < t.seats; j++) {
            if (t.scores[j] > t.scores[i] || (t.scores[j] == t.scores[i] && j < i)) t.ranks[i]++;
        }
    }
}

// The header line; the room text ends in ">", the byte the reader drops before the line break.
static void putHeaderLine(int seats, int* flag)
{
    static const Lobby THREE_PLAYER = { "三人打ちロビー", "点100" };
    const Lobby& lobby = seats == 3 ? THREE_PLAYER : pick(LOBBIES);
    char room[40];
    snprintf(room, sizeof room, pick(ROOMS), (int)randomBelow(40) + 1);
    *flag = chance(40) ? 0 : 1;
    if (lobby.rateText[0]) putLine("<%s(%s)：%s>", lobby.name, lobby.rateText, room);
    else putLine("<%s：%s>", lobby.name, room);
}

// One line per hand: east round only in a short game, east and south in a long one.
static void putBodyLines(const Table& t, int flag)
{
    int hands = flag == 0 ? 4 : 8;
    for (int h = 0; h < hands; h++) {
        const char* wind = h < 4 ? "東" : "南";
        if (chance(20)) {
            putLine(" %s%d局 流局", wind, h % 4 + 1);
            continue;
        }
        putLine(" %s%d局 %s %s %d点", wind, h % 4 + 1, t.names[randomBelow(t.seats)], pick(WIN_KINDS),
                pick(HAND_POINTS));
    }
}

static void putResultLine(const Table& t)
{
    char line[64] = ">";
    int length = 1;
    for (int i = 0; i < t.seats; i++) {
        const char* format = i + 1 < t.seats ? "%-4d%+5d " : "%-4d%+5d";
        length += snprintf(line + length, sizeof line - (size_t)length, format, t.ranks[i], t.scores[i]);
    }
    putLine("%s", line);
}

static void putEntry(const Options& o, int seats, long long index)
{
    Table t;
    t.seats = seats;
    seatPlayers(t, o);
    score(t);
    int flag;
    putHeaderLine(seats, &flag);
    putLine(" %d:%s", flag, flag == 0 ? "東風戦" : "半荘戦");
    putDateLine(o, index);
    for (int i = 0; i < seats; i++) putLine("#%s %s", t.names[i], pick(RANKS_TEXT));
    if (seats == 3) putLine("=三人打ち");
    putBodyLines(t, flag);
    putResultLine(t);
    if (chance(25)) putLine("%s", "");
    gameMinutes += 20 + randomBelow(40);
}

static int readNumber(const char* text, long long low, long long high, long long* value)
{
    char* end;
    long long n = strtoll(text, &end, 10);
    if (*text == '\0' || *end != '\0' || n < low || n > high) return 0;
    *value = n;
    return 1;
}

static int parseOptions(int argc, char** argv, Options* o)
{
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : "";
        long long n = 0;
        int ok = 1;
        if (a[0] != '-') { o->output = a; continue; }
        if (strcmp(a, "--seed") == 0) { ok = readNumber(v, 0, INT64_MAX, &n); o->seed = (uint64_t)n; }
        else if (strcmp(a, "--games") == 0) ok = readNumber(v, 0, INT64_MAX, &o->games);
        else if (strcmp(a, "--size-mb") == 0) { ok = readNumber(v, 1, 1000000, &n); o->targetBytes = n * 1000000; }
        else if (strcmp(a, "--opponents") == 0) ok = readNumber(v, 4, 10000000, &o->opponents);
        else if (strcmp(a, "--regular-share") == 0) { ok = readNumber(v, 0, 100, &n); o->regularPercent = (int)n; }
        else if (strcmp(a, "--three-player") == 0) { ok = readNumber(v, 0, 100, &n); o->threePlayerPercent = (int)n; }
        else if (strcmp(a, "--player-share") == 0) { ok = readNumber(v, 0, 100, &n); o->playerPercent = (int)n; }
        else if (strcmp(a, "--falling-dates") == 0) { o->fallingDates = 1; continue; }
        else if (strcmp(a, "--player") == 0) { o->player = v; ok = v[0] && strlen(v) <= 12 && !strpbrk(v, " \t"); }
        else ok = 0;
        if (!ok) {
            fprintf(stderr, "vornix-loggen: bad option %s %s\n", a, v);
            return 0;
        }
        i++;
    }
    if (o->output) return 1;
    fprintf(stderr, "usage: vornix-loggen [--seed N] [--games N | --size-mb N] [--opponents N]\n"
                    "       [--regular-share PERCENT] [--three-player PERCENT] [--player ID]\n"
                    "       [--player-share PERCENT] [--falling-dates] OUTPUT\n");
    return 0;
}

// 1 while more entries are to be written; *seats is 3 once the three-player tail has begun.
static int moreEntries(const Options& o, long long written, int* seats)
{
    if (o.targetBytes) {
        if (bytesWritten >= o.targetBytes) return 0;
        if (bytesWritten >= o.targetBytes / 100 * (100 - o.threePlayerPercent)) *seats = 3;
        return 1;
    }
    if (written >= o.games) return 0;
    if (written >= o.games - o.games * o.threePlayerPercent / 100) *seats = 3;
    return 1;
}

int main(int argc, char** argv)
{
    Options o;
    if (!parseOptions(argc, argv, &o)) return 2;
    out = fopen(o.output, "wb");
    if (!out) {
        perror(o.output);
        return 1;
    }
    static char buffer[1 << 20];
    setvbuf(out, buffer, _IOFBF, sizeof buffer);
    randomState = o.seed;
    putLine("対局記録");
    putLine("%s", "");
    int seats = 4;
    for (long long written = 0; moreEntries(o, written, &seats); written++) putEntry(o, seats, written);
    if (fclose(out) != 0) {
        perror(o.output);
        return 1;
    }
    return 0;
}
