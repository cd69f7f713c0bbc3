#!/usr/bin/env bash
# Native only, no Wine: two vornix-cli --rivals runs of one ID with other conditions into one folder at
# the same time, 20 times. The second waits for the first's lock: both end with 0, and every file is
# byte for byte as one of them alone writes it (the report but its time and folder), never a report
# beside the other run's tables or page. No temporary file and no lock file is left.
set -euo pipefail
ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
cli="$ROOT/build/native/vornix-cli"
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
cd "$work"

fail() {
    echo "FAIL: $*"
    exit 1
}

"$ROOT/build/native/tests/tools/vornix-loggen" --size-mb 4 log.txt
options=("--rivals" "--rivals --length tonpu")
outputs=(Sakura77_戦績.xls Sakura77_ID別集計.xls Sakura77_対戦相手別.html)
mkdir out
for run in 0 1; do mkdir "alone$run" && "$cli" --log log.txt --id Sakura77 --out "alone$run" ${options[$run]} >/dev/null; done
cmp -s alone0/Sakura77_戦績.xls alone1/Sakura77_戦績.xls && fail "the two runs' conditions make the same files"

bare() {   # the report without what differs between two runs of the same options
    iconv -f CP932 -t UTF-8 "$1/分析結果.html" | sed -e 's/Data processing time : [0-9]* sec//' -e "s|$PWD/$1||g"
}

for try in $(seq 20); do
    pids=()
    for run in 0 1; do
        "$cli" --log log.txt --id Sakura77 --out out ${options[$run]} >"out-$run" 2>&1 &
        pids+=($!)
    done
    for p in "${pids[@]}"; do wait "$p" || fail "try $try: a run ended with $?: $(cat out-*)"; done
    pids=()
    if [ "$(bare out)" = "$(bare alone0)" ]; then own=alone0; else own=alone1; fi
    [ "$(bare out)" = "$(bare $own)" ] || fail "try $try: the report is neither run's whole report"
    for name in "${outputs[@]}"; do cmp -s "$own/$name" "out/$name" || fail "try $try: $name is not its report's run's"; done
    leftovers=$(ls out | grep '\.tmp$\|^vornix\.lock$' || true)
    [ -z "$leftovers" ] || fail "try $try: left behind: $leftovers"
done
echo "two runs into one folder leave whole files, each report linking its own tables"
