#!/usr/bin/env python3
"""Writes examples/Zentolog.txt: a synthetic game log (code page 932, CR LF) for trying the program
and for the golden tests. Every name and lobby in it is invented. The output depends only on this
script: it uses its own random number generator, so running it again gives the same bytes.

The analysed player of the sample is "Sakura77"; he sits at most tables. The log has four-player
games with varied rate texts, entries without him, one entry abandoned by a header line
among its body lines, and ends with a tail of three-player games.
"""

import os
import sys

PLAYER = "Sakura77"

# Opponents met again and again; two of them differ only in letter case, and one name is longer than
# the 12 bytes the program reads (it is cut).
REGULARS = [
    "山田太郎", "ぽんぽこ", "tanuki", "Tanuki", "リーチ一発", "kazeno",
    "白發中", "MrDora", "ツモ切り名人", "LongNameMaster", "hanako_22", "赤ドラ三枚",
]

ONE_OFF_STEMS = ["ゲスト", "guest", "初心者", "walker", "雀士", "ronron"]

# (lobby, rate text or None, weight)
LOBBIES = [
    ("一般ロビー", "点50", 6),
    ("一般ロビー", "点100", 4),
    ("上級ロビー", "点200", 3),
    ("高レートロビー", "点1万", 2),
    ("東南戦ロビー", "東1万/半2万", 2),
    ("東南戦ロビー", "東50/半100", 3),
    ("フリーロビー", None, 2),
]


class Random:
    """A 64-bit linear congruential generator, so the sample never depends on Python's own."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % (1 << 64)
        return self.state >> 33

    def below(self, n):
        return self.next() % n

    def between(self, low, high):
        return low + self.below(high - low + 1)

    def choice(self, items):
        return items[self.below(len(items))]

    def weighted(self, items):
        total = sum(item[-1] for item in items)
        pick = self.below(total)
        for item in items:
            pick -= item[-1]
            if pick < 0:
                return item
        return items[-1]


def scores_summing_to_zero(rng, seats, player_index, draw):
    """Scores in thousands of points, one per seat, summing to exactly 0."""
    while True:
        scores = [rng.between(-45, 60) for _ in range(seats - 1)]
        if draw and player_index < seats - 1:
            scores[player_index] = 0
        last = -sum(scores)
        if -60 <= last <= 75:
            scores.append(last)
            return scores


def ranks_of(scores):
    """Finishing places: higher score first, equal scores in seat order."""
    order = sorted(range(len(scores)), key=lambda i: (-scores[i], i))
    ranks = [0] * len(scores)
    for place, seat in enumerate(order):
        ranks[seat] = place + 1
    return ranks


def result_line(ranks, scores):
    # The rank starts at byte 1 + 10 i, the score at byte 5 + 10 i.
    return ">" + "".join("%-4d%+5d " % (r, s) for r, s in zip(ranks, scores)).rstrip()


def body_lines(rng, names):
    lines = []
    for hand in range(rng.between(1, 4)):
        winner = rng.choice(names)
        what = rng.choice(["ツモ", "ロン", "流局"])
        if what == "流局":
            lines.append(" 東%d局 流局" % (hand + 1))
        else:
            lines.append(" 東%d局 %s %s %d点" % (hand + 1, winner, what, rng.choice([1000, 2000, 3900, 8000])))
    return lines


class LogWriter:
    def __init__(self, rng):
        self.rng = rng
        self.lines = []
        self.day = 0
        self.minute = 19 * 60
        self.one_offs = 0

    def clock(self):
        self.minute += self.rng.between(25, 70)
        if self.minute >= 24 * 60:
            self.day += 1 + self.rng.below(3)
            self.minute = 18 * 60 + self.rng.below(120)
        month_days = [31, 29, 31, 30, 31, 30]
        day, month = self.day, 0
        while day >= month_days[month]:
            day -= month_days[month]
            month += 1
        return "2024/%02d/%02d" % (month + 1, day + 1), "%02d:%02d" % divmod(self.minute, 60)

    def one_off(self):
        self.one_offs += 1
        return "%s%d" % (self.rng.choice(ONE_OFF_STEMS), self.one_offs)

    def opponents(self, count):
        names = []
        while len(names) < count:
            name = self.rng.choice(REGULARS) if self.rng.below(100) < 65 else self.one_off()
            if name not in names:
                names.append(name)
        return names

    def header(self, lobby, rate_text, table):
        rate = "(%s)" % rate_text if rate_text else ""
        return "<%s%s：卓%02d>" % (lobby, rate, table)

    def entry(self, seats, with_player, abandoned=False):
        rng = self.rng
        if seats == 3:
            lobby, rate_text = "三人打ちロビー", rng.choice(["点50", "点100"])
        else:
            lobby, rate_text, _ = rng.weighted(LOBBIES)
        flag = "0" if rng.below(2) == 0 else "1"
        date, time = self.clock()
        names = self.opponents(seats - 1 if with_player else seats)
        player_index = rng.below(seats) if with_player else -1
        if with_player:
            names.insert(player_index, PLAYER)
        scores = scores_summing_to_zero(rng, seats, player_index, with_player and rng.below(30) == 0)
        self.lines.append(self.header(lobby, rate_text, rng.between(1, 40)))
        self.lines.append(" %s:%s" % (flag, "東風戦" if flag == "0" else "半荘戦"))
        self.lines.append("[%s %s]" % (date, time))
        for name in names:
            self.lines.append("#%s %s" % (name, rng.choice(["初段", "二段", "三段", "四段", "新人"])))
        if seats == 3:
            self.lines.append("=三人打ち")
        self.lines.extend(body_lines(rng, names))
        if abandoned:
            return  # the client lost the connection: no result line, the next header follows
        self.lines.append(result_line(ranks_of(scores), scores))
        if rng.below(4) == 0:
            self.lines.append("")


def build():
    rng = Random(20240105)
    log = LogWriter(rng)
    log.lines.append("対局記録")
    log.lines.append("")
    for game in range(190):
        abandoned = game == 97
        log.entry(4, with_player=abandoned or rng.below(100) < 85, abandoned=abandoned)
    for game in range(22):
        log.entry(3, with_player=rng.below(100) < 85)
    return log.lines


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "Zentolog.txt")
    data = "".join(line + "\r\n" for line in build()).encode("cp932")
    with open(target, "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main()
