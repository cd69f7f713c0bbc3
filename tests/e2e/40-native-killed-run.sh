#!/usr/bin/env bash
# Native only, no Wine: vornix-cli killed (SIGKILL, as by power loss or the task manager) while it
# reads a long log, and again while it writes the report, leaves the previous three output files byte
# for byte as they were; the next complete run removes what the killed ones left and leaves no
# temporary file behind. Killed with --rivals at random points, the report on disk never links an
# opponent's name to another opponent's section of the page, and the next plain run removes the page's
# left-overs too.
set -euo pipefail
ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
cli="$ROOT/build/native/vornix-cli"
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"

# Many opponents make the report phase (three sorts, a long per-opponent table) last long enough
# to be caught in it.
"$ROOT/build/native/tests/tools/vornix-loggen" --size-mb 100 --opponents 10000000 log.txt
mkdir out
outputs=("Sakura77_戦績.xls" "Sakura77_ID別集計.xls" "分析結果.html")
for name in "${outputs[@]}"; do printf 'previous %s\r\n' "$name" >"out/$name"; done
cp -r out previous

fail() {
    echo "FAIL: $*"
    exit 1
}

# The run's temporary file of the output $1 ("$1.<pid>.<n>.tmp"), or nothing. The shell's own glob:
# a look that starts no process keeps up with a short phase of the run.
temporary() {
    local files=(out/"$1".*.tmp)
    [ ! -e "${files[0]}" ] || echo "${files[0]#out/}"
}

# Starts a run and kills it as soon as the temporary file of $1 exists with at least $2 bytes; that
# of $3 must not exist yet at that moment (the run is still in the phase before it).
kill_when() {
    "$cli" --log log.txt --id Sakura77 --out out >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 3000); do
        written=$(temporary "$1")
        if [ -n "$written" ] && [ "$(stat -c %s "out/$written" 2>/dev/null || echo 0)" -ge "$2" ]; then
            [ -n "$(temporary "$3")" ] && fail "the temporary file of $3 appeared before the run was killed"
            kill -KILL "$pid"
            wait "$pid" 2>/dev/null || true
            pid=
            return
        fi
        kill -0 "$pid" 2>/dev/null || fail "the run ended before out/$1 reached $2 bytes"
        sleep 0.005
    done
    fail "out/$1 did not reach $2 bytes in time"
}

same_as_before() {
    for name in "${outputs[@]}"; do
        cmp -s "previous/$name" "out/$name" || fail "$name changed after a run killed $1"
    done
}

kill_when "Sakura77_戦績.xls" 1000000 "分析結果.html"
same_as_before "while it read the log"

kill_when "分析結果.html" 0 "no-such-file"
same_as_before "while it wrote the report"

"$cli" --log log.txt --id Sakura77 --out out >/dev/null || fail "the complete run failed"
leftovers=$(ls out | grep '\.tmp$' || true)
[ -z "$leftovers" ] || fail "temporary files left after a complete run: $leftovers"
for name in "${outputs[@]}"; do
    cmp -s "previous/$name" "out/$name" && fail "$name was not replaced by the complete run"
done

# Killed --rivals runs over another log's report: each name links to its opponent's section or none.
"$ROOT/build/native/tests/tools/vornix-loggen" --games 3000 --opponents 400 --seed 7 other.txt
"$cli" --log other.txt --id Sakura77 --out out --rivals >/dev/null || fail "the run on the other log failed"
for at in $(shuf -i 0-900 -n 8); do
    "$cli" --log log.txt --id Sakura77 --out out --rivals >/dev/null 2>&1 &
    pid=$!
    sleep "$((at / 1000)).$(printf %03d $((at % 1000)))"
    kill -KILL "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
    pid=
    python3 - out <<'PY' || fail "a --rivals run killed at $at ms: a link lands on another opponent"
import re, sys
text = lambda name: open(sys.argv[1] + '/' + name, 'rb').read().decode('cp932', 'replace')
sections = dict(re.findall(r'<h3 id="(r[0-9a-f]+)">☆ (.*?)さんとの', text('Sakura77_対戦相手別.html')))
assert all(sections.get(anchor, name) == name for anchor, name in re.findall(r'#(r[0-9a-f]+)">(.*?)<', text('分析結果.html')))
PY
done
"$cli" --log other.txt --id Sakura77 --out out >/dev/null || fail "the plain run after the killed ones failed"
leftovers=$(ls out | grep '\.tmp$\|^vornix\.lock$' || true)
[ -z "$leftovers" ] || fail "left behind by a plain run after killed --rivals runs: $leftovers"
echo "a killed vornix-cli leaves the previous output files as they were"
