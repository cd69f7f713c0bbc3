#!/usr/bin/env bash
# The analysis conditions under Wine. Stored in vornix.ini, a "vornix.exe -e -q" run applies them:
# its three files equal vornix-cli's with the same conditions as options (links and processing time
# aside), and the report names them. A broken entry ends the run with a box whose second line names
# its line; with 壊れた対局 stored, the run skips it, ends with 0 and the report counts it. A stored day
# that is no day is ignored; a stored period whose first day lies after its last refuses the run.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

begin_wine_check
mkdir -p "$WINEPREFIX/drive_c/logs"
cp "$ROOT/examples/Zentolog.txt" "$WINEPREFIX/drive_c/logs/Zentolog.txt"

# write_conditions LOG LINE...: the seven settings for LOG, then the condition lines (UTF-8 here).
write_conditions() {
    local log=$1
    shift
    write_settings "$ID;" "$log" 0 20000 1 0 0
    printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932 >>"$folder/vornix.ini" || fail "could not add the conditions"
}

normalise() {
    LC_ALL=C sed -e 's#href="file:///[^"]*"#href="LINK"#g' \
        -e 's#Data processing time : [0-9]* sec#Data processing time : N sec#' "$1"
}

write_conditions 'C:\logs\Zentolog.txt' '<開始日>2024/01/10</開始日>' '<終了日>2024/02/20</終了日>' \
    '<ロビー>一般ロビー;三人打ちロビー;</ロビー>' '<対局>2</対局>'
start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "with conditions: exit code $VORNIX_EXIT, expected 0"
grep -qxF '分析条件：2024/01/10～2024/02/20、ロビー：一般ロビー・三人打ちロビー、半荘戦<BR>' <(read_cp932 "$folder/分析結果.html") ||
    fail "the report does not name the stored conditions"

native="$E2E_OUT/conditions-native"
rm -rf "$native"
mkdir -p "$native"
"$NATIVE_BUILD/vornix-cli" --log "$ROOT/examples/Zentolog.txt" --id "$ID" --from 2024-1-10 --to 2024/02/20 \
    --lobby 一般ロビー --lobby 三人打ちロビー --length hanchan --out "$native" >"$E2E_OUT/conditions-native.log" 2>&1 ||
    fail "vornix-cli failed: $(cat "$E2E_OUT/conditions-native.log")"
for name in 分析結果.html "${ID}_戦績.xls" "${ID}_ID別集計.xls"; do
    if ! cmp -s <(normalise "$folder/$name") <(normalise "$native/$name"); then
        diff <(normalise "$folder/$name" | iconv -f CP932 -t UTF-8) \
            <(normalise "$native/$name" | iconv -f CP932 -t UTF-8) | head -n 20 >&2 || true
        fail "with conditions: $name differs from vornix-cli's"
    fi
done
full_games=$(grep -c . "$ROOT/tests/golden/Zentolog-Sakura77-games.tsv")
[ "$(grep -c . "$folder/${ID}_戦績.xls")" -lt "$full_games" ] || fail "the conditions took every game"
note "-e -q applied the stored conditions, as vornix-cli does with its options"

# A day in vornix.ini that is no day is ignored: the run is the one without a period.
write_conditions 'C:\logs\Zentolog.txt' '<開始日>2024/02/30</開始日>' '<人数>5</人数>'
start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "with unreadable conditions: exit code $VORNIX_EXIT, expected 0"
grep -q '分析条件' <(read_cp932 "$folder/分析結果.html") && fail "unreadable conditions were applied"
cmp -s <(tr -d '\r' <"$folder/${ID}_戦績.xls") <(tr -d '\r' <"$ROOT/tests/golden/Zentolog-Sakura77-games.tsv") ||
    fail "unreadable conditions changed the per-game table"
note "an impossible day and five seats in vornix.ini were ignored"

# A broken entry of the player: the box names its line; with 壊れた対局 it is skipped and counted.
broken="$WINEPREFIX/drive_c/logs/broken.txt"
cp "$ROOT/examples/Zentolog.txt" "$broken"
printf '<一般ロビー(点3万)：卓99>\r\n 1:半荘戦\r\n[2024/03/31 23:00]\r\n#%s 初段\r\n#A\r\n#B\r\n#C\r\n>1     +30 2     +10 3     -15 4     -25\r\n' "$ID" |
    iconv -f UTF-8 -t CP932 >>"$broken"
header_line=$(( $(wc -l <"$ROOT/examples/Zentolog.txt") + 1 ))
write_conditions 'C:\logs\broken.txt'
start_vornix -e -q
box=$(wait_window "エラー")
texts=$(window_texts "エラー" | cut -f 2 | tr -d '\r')
grep -qF "実在しないレートです。" <<<"$texts" && grep -qF "（$header_line 行目）" <<<"$texts" ||
    fail "the fatal box does not name line $header_line: $(tr '\n' ' ' <<<"$texts")"
click_at "$box" 8 8
press "$box" Return
wait_vornix_exit
[ "$VORNIX_EXIT" = 1 ] || fail "a broken entry: exit code $VORNIX_EXIT, expected 1"

write_conditions 'C:\logs\broken.txt' '<壊れた対局>1</壊れた対局>'
start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "tolerant reading: exit code $VORNIX_EXIT, expected 0"
grep -qxF "読み飛ばした壊れた対局：<span style=\"font-size:20\">1</span> 件（$header_line 行目）<BR>" <(read_cp932 "$folder/分析結果.html") ||
    fail "the report does not count the skipped entry"
note "a broken entry: its line in the fatal box; skipped and counted with 壊れた対局"

# A stored period whose first day lies after its last: the run is refused before reading, told why.
write_conditions 'C:\logs\Zentolog.txt' '<開始日>2024/06/01</開始日>' '<終了日>2024/01/01</終了日>'
start_vornix -e -q
box=$(wait_window "エラー")
texts=$(window_texts "エラー" | cut -f 2 | tr -d '\r')
grep -qF "保存された期間の開始日が終了日より後になっています。" <<<"$texts" || fail "no box tells of the dropped period"
click_at "$box" 8 8
press "$box" Return
wait_vornix_exit
[ "$VORNIX_EXIT" = 2 ] || fail "a reversed stored period: exit code $VORNIX_EXIT, expected 2"
[ -z "$(ls "$folder" | grep -v '^vornix\.ini$')" ] || fail "a reversed stored period wrote: $(ls "$folder")"
note "a reversed stored period: refused with its box, exit code 2, nothing written"
