#!/usr/bin/env bash
# Native only, no Wine: two vornix-cli runs for two IDs into one folder at the same time, 20 times.
# Both end with 0; each leaves its tables byte for byte as a run alone writes them; the report is one
# run's whole report and links only that run's tables; no temporary file is left.
set -euo pipefail
ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
cli="$ROOT/build/native/vornix-cli"
gen="$ROOT/build/native/tests/tools/vornix-loggen"
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
cd "$work"

fail() {
    echo "FAIL: $*"
    exit 1
}

"$gen" --size-mb 2 --player Sakura77 a.txt
"$gen" --size-mb 2 --seed 2 --player Hanako b.txt
cat a.txt b.txt >log.txt
mkdir alone out
for id in Sakura77 Hanako; do "$cli" --log log.txt --id "$id" --out alone >/dev/null; done
tables=(Sakura77_戦績.xls Sakura77_ID別集計.xls Hanako_戦績.xls Hanako_ID別集計.xls)

for try in $(seq 20); do
    pids=()
    for id in Sakura77 Hanako; do
        "$cli" --log log.txt --id "$id" --out out >"out-$id" 2>&1 &
        pids+=($!)
    done
    for p in "${pids[@]}"; do wait "$p" || fail "try $try: a run ended with $?: $(cat out-*)"; done
    pids=()
    for name in "${tables[@]}"; do cmp -s "alone/$name" "out/$name" || fail "try $try: $name is not whole"; done
    report=$(iconv -f CP932 -t UTF-8 out/分析結果.html)
    [ "$(tail -c 16 out/分析結果.html | tr -d '\r\n')" = "</body></html>" ] || fail "try $try: the report does not end whole"
    heading=$(printf '%s\n' "$report" | grep -c "Sakura77さん" || true)
    other=$(printf '%s\n' "$report" | grep -c "Hanakoさん" || true)
    if [ "$heading" -gt 0 ]; then own=Sakura77 foreign=Hanako; else own=Hanako foreign=Sakura77; fi
    [ "$heading" -gt 0 ] && [ "$other" -gt 0 ] && fail "try $try: the report mixes both runs"
    grep -q "href=\"file://[^\"]*${own}_" <<<"$report" || fail "try $try: the report links none of $own's tables"
    grep -q "${foreign}_" <<<"$report" && fail "try $try: $own's report links $foreign's tables"
    leftovers=$(ls out | grep '\.tmp$' || true)
    [ -z "$leftovers" ] || fail "try $try: temporary files left: $leftovers"
done
echo "two runs into one folder leave whole files, each report linking its own tables"
