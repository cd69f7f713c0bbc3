#!/usr/bin/env bash
# Native only, no Wine: on generated logs, vornix-cli --rivals writes a page whose every section agrees
# with the opponent's row of the per-opponent table and, for its places and last games, with a count
# made here from the per-game table; every opponent link of the report points to the anchor of the
# page made of its name; and the report is, links aside, the report of the same run without the option.
# The page's index lists every section, with the figures of its header.
set -euo pipefail
ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
cli="$ROOT/build/native/vornix-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

check() {
    local name=$1
    shift
    "$ROOT/build/native/tests/tools/vornix-loggen" "$@" "$name.txt"
    mkdir "$name-on" "$name-off"
    "$cli" --log "$name.txt" --id Sakura77 --out "$name-off" >/dev/null
    "$cli" --log "$name.txt" --id Sakura77 --out "$name-on" --rivals >/dev/null
    python3 - "$name-on" "$name-off" <<'PY'
import html, re, sys
on, off = sys.argv[1], sys.argv[2]
def text(path): return open(path, 'rb').read().decode('cp932')
def rows(path): return [line.split('\t') for line in text(path).split('\r\n')[1:] if line]
page = text(on + '/Sakura77_対戦相手別.html')
report, plain = text(on + '/分析結果.html'), text(off + '/分析結果.html')
table = {r[0]: r for r in rows(on + '/Sakura77_ID別集計.xls')}

meetings = {}
for r in rows(on + '/Sakura77_戦績.xls'):
    seats = [r[5 + 4 * i: 9 + 4 * i] for i in range(4) if len(r) >= 9 + 4 * i and r[5 + 4 * i]]
    me = next(s for s in seats if s[0] == 'Sakura77')
    for s in seats:
        if s is not me:
            meetings.setdefault(s[0], []).append((r[0], r[1], r[2], r[3], int(me[1]), int(me[2]), int(s[1]), int(s[2]), s[3], len(seats)))

sections = re.split(r'<h3 id="r([0-9a-f]+)">☆ (.*?)さんとの対戦成績 ☆</h3>', page)[1:]
names = {}
headers = []
assert 0 < len(sections) // 3 <= 110, len(sections)
for i in range(0, len(sections), 3):
    anchor, name, body = sections[i], html.unescape(sections[i + 1]), sections[i + 2]
    assert anchor == name.encode('cp932').hex() and name not in names, (anchor, name)
    names[name] = anchor
    row, games = table[name], meetings[name]
    figures = re.search(r'対局数</td><td class="mony">(\d+) 回.*?(\d+) / (\d+)</td>.*?収支</td><td class="\w+">(-?[\d,]+) 円', body, re.S)
    count, above, below, balance = int(figures[1]), int(figures[2]), int(figures[3]), int(figures[4].replace(',', ''))
    assert (count, above, below) == (int(row[1]), int(row[2]), int(row[3])) == (len(games), above, below), name
    assert abs(balance - int(row[6])) <= 1, (name, balance, row[6])
    headers.append(('r' + anchor, figures[1], figures[4]))
    # The places of each kind apart, under the kind's name when the two met at both.
    kinds = [(k, kind) for k in (4, 3) if (kind := [g for g in games if g[9] == k])]
    for k, kind in kinds:
        n = len(kind)
        part = body.split(f'<td class="id" colspan="7">{k}人打ち（{n} 戦）</td></tr>')[1] if len(kinds) == 2 else body
        for who, rank, score in (('自分', 4, 5), ('相手', 6, 7)):
            cells = [f'{sum(1 for g in kind if g[rank] == p)} 回 ({100.0 * sum(1 for g in kind if g[rank] == p) / n:.1f}%)'
                     if len(kinds) == 1 or p <= k else '―' for p in (1, 2, 3, 4)]
            cells += [f'{sum(g[rank] for g in kind) / n:.2f} 位', f'{sum(g[score] for g in kind) / n:.2f} 点']
            shown = re.findall(r'<td class="recent">(.*?)</td>', re.search(f'<td class="id">{who}</td>(.*?)</tr>', part)[1])
            assert shown == cells, (name, who, shown, cells)
    recent = re.findall(r'<tr><td>(.*?)</td><td>(.*?)</td><td class="id">(.*?)</td><td class="mony">(\d+)</td>'
                        r'<td class="rank">(-?\d+)位</td><td class="rank">([+-]\d+)</td><td class="rank">(-?\d+)位</td>'
                        r'<td class="rank">([+-]\d+)</td><td class="\w+">(-?[\d,]+) 円</td></tr>', body)
    expected = [(g[0], g[1], g[2], g[3], str(g[4]), f'{g[5]:+d}', str(g[6]), f'{g[7]:+d}', g[8]) for g in reversed(games[-20:])]
    assert [tuple(html.unescape(c).replace(',', '') for c in r) for r in recent] == expected, name
    points = re.search(r'stroke-linejoin="round" points="([^"]*)"', body)[1].split()
    assert 1 <= len(points) <= 200, len(points)

index = re.findall(r'<td class="id"><a href="#(r[0-9a-f]+)">.*?</a></td><td class="mony">(\d+) 回</td><td class="\w+">(-?[\d,]+) 円', page)
assert index == headers, 'the index lists the sections in their order, with their games and balance'
links = re.findall(r'<td class="id"><a href="[^"#]*Sakura77_対戦相手別\.html#r([0-9a-f]+)">(.*?)</a></td>', report)
assert links and all(names[html.unescape(n)] == r for r, n in links), 'a link to a missing anchor'
assert set(html.unescape(n) for _, n in links) == set(names), 'every section is linked'
unlinked = re.sub(r'<a href="[^"]*#r[0-9a-f]+">(.*?)</a>', r'\1', report)
unlinked = re.sub(r"<LI><a href=\"[^\"]*\">対戦相手別の成績</a></LI>\r\n", "", unlinked)
strip = lambda t: re.sub(r'Data processing time : \d+ sec', '', t).replace(on, '').replace(off, '')
assert strip(unlinked) == strip(plain), 'the report changed beyond its links'
print(f'{len(names)} sections, {len(links)} links')
PY
}

check many --games 3000 --opponents 400
check few --games 60 --opponents 12 --three-player 40
check sample-like --size-mb 2 --opponents 5000 --regular-share 20
echo "rivals: the pages agree with the tables"
