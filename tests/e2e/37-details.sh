#!/usr/bin/env bash
# The option 詳しい成績 under Wine: the 設定 menu's item "詳しい成績も作成する" turns it on, which
# adds its line to vornix.ini at Esc; the next start reads it as on (choosing the item again turns it
# off and the file is as before, byte for byte). With the line stored, "vornix.exe -e -q" writes the
# table by condition beside the other files, equal to vornix-cli's, and the report holds the section.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
begin_wine_check
clear_opened

mkdir -p "$WINEPREFIX/drive_c/logs"
cp "$ROOT/examples/Zentolog.txt" "$WINEPREFIX/drive_c/logs/Zentolog.txt"
write_settings "$ID;" 'C:\logs\Zentolog.txt' 0 20000 1 0 0
cp "$folder/vornix.ini" "$E2E_OUT/37-off.ini"
{ read_cp932 "$E2E_OUT/37-off.ini"; echo '<詳しい成績>1</詳しい成績>'; } | write_cp932 "$E2E_OUT/37-on.ini"

start_vornix
dialog=$(wait_window "$MAIN")
choose_menu_item "$dialog" IDM_DETAILS "$E2E_OUT/37-menu-before.png"
end_program
cmp -s "$folder/vornix.ini" "$E2E_OUT/37-on.ini" || fail "turned on: vornix.ini is $(read_cp932 "$folder/vornix.ini")"
note "詳しい成績も作成する turned on and stored its line"

# The stored option: -e -q writes the table by condition.
start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "-e -q: exit code $VORNIX_EXIT, expected 0"
table="$folder/${ID}_条件別集計.xls"
[ -s "$table" ] || fail "-e -q with the option stored wrote no table by condition"
out="$E2E_OUT/37-cli"
mkdir -p "$out"
"$ROOT/build/native/vornix-cli" --log "$ROOT/examples/Zentolog.txt" --id "$ID" --out "$out" --details >/dev/null ||
    fail "vornix-cli --details failed"
cmp -s "$table" "$out/${ID}_条件別集計.xls" || fail "the table by condition differs from vornix-cli's"
report=$(read_cp932 "$folder/分析結果.html")   # whole, so that no early grep cuts the pipe
grep -qF "<h3>☆ ${ID}さんの詳しい成績 ☆</h3>" <<<"$report" || fail "the report lacks the section"
grep -qF ">条件別集計ファイル</a>" <<<"$report" || fail "the report lacks the table's link"
note "-e -q with the stored option wrote the table by condition, equal to vornix-cli's"

# Read as on at the next start: choosing the item again turns it off.
start_vornix
dialog=$(wait_window "$MAIN")
choose_menu_item "$dialog" IDM_DETAILS "$E2E_OUT/37-menu-on.png"
end_program
cmp -s "$folder/vornix.ini" "$E2E_OUT/37-off.ini" || fail "turned off again: vornix.ini is $(read_cp932 "$folder/vornix.ini")"
note "the option survived the restart and turned off again"
