#!/usr/bin/env bash
# The generator's logs are valid and deterministic: a log with every feature analyses to the end,
# with a row for every game of the player and three seat groups in the rows of three-player games;
# the same options give the same bytes, another seed other bytes.
#   check-loggen.sh LOGGEN CLI
set -euo pipefail
loggen=$1 cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

options=(--games 3000 --opponents 400 --regular-share 40 --three-player 10 --player-share 90)
"$loggen" --seed 3 "${options[@]}" log.txt
"$loggen" --seed 3 "${options[@]}" again.txt
"$loggen" --seed 4 "${options[@]}" other.txt
cmp -s log.txt again.txt || { echo "the same seed gave other bytes"; exit 1; }
! cmp -s log.txt other.txt || { echo "another seed gave the same bytes"; exit 1; }

"$cli" --log log.txt --id Sakura77 >/dev/null
table=Sakura77_戦績.xls
games=$(grep -c '^#Sakura77 ' log.txt)
rows=$(($(wc -l <"$table") - 1))
[ "$rows" -eq "$games" ] || { echo "$rows rows for $games games of the player"; exit 1; }
three=$(awk -F'\t' 'NR > 1 && NF == 17' "$table" | wc -l)
[ "$three" -gt 0 ] && [ "$((rows - three))" -eq "$(awk -F'\t' 'NR > 1 && NF == 21' "$table" | wc -l)" ] \
    || { echo "rows of three-player games: $three of $rows"; exit 1; }
echo "check-loggen: $games games of the player, $three of them three-player; deterministic"
