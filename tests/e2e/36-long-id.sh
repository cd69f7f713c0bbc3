#!/usr/bin/env bash
# A 16-byte Japanese ID, typed into the ID box or read from vornix.ini, is cut to whole characters
# ("あいうえおかき", 14 bytes): vornix.ini stays valid Shift_JIS and holds the ID once, start after
# start. It used to end in a lone first byte and to come back as a look-alike new ID at each start.
# A 14-byte ID in a generated log is analysed by vornix.exe as by vornix-cli.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
begin_wine_check
clear_opened

id_line() {
    iconv -f CP932 -t UTF-8 "$folder/vornix.ini" >/dev/null || fail "vornix.ini is no longer valid Shift_JIS"
    read_cp932 "$folder/vornix.ini" | head -n 1
}

expected="<KalventoID>あいうえおかき;$SAMPLE_ID;</KalventoID>"

# Entered in the ID box (set through the window, as the display's keyboard has no Japanese): 保存
# stores the cut ID on top of the list.
write_settings "$SAMPLE_ID;" 'C:\logs\a.txt' 0 20000 1 0 0
start_vornix
dialog=$(wait_window "$MAIN")
set_control_text "$MAIN" IDC_ID_COMBO "あいうえおかきく"
[ "$(control_text "$MAIN" IDC_ID_COMBO)" = "あいうえおかきく" ] || fail "could not type the ID: $(control_text "$MAIN" IDC_ID_COMBO)"
choose_menu_item "$dialog" IDM_SAVE
waited=0
until [ "$(id_line)" = "$expected" ]; do
    [ "$waited" -lt $((E2E_TIMEOUT * 10)) ] || fail "保存 wrote $(id_line), expected $expected"
    sleep 0.1; waited=$((waited + 1))
done
end_program
[ "$(id_line)" = "$expected" ] || fail "after Esc the ID line is $(id_line)"
note "a 16-byte ID entered in the box was stored cut to whole characters"

# Read from the file: two more starts add nothing.
write_settings "あいうえおかきく;$SAMPLE_ID;" 'C:\logs\a.txt' 0 20000 1 0 0
for start in 1 2; do
    start_vornix
    dialog=$(wait_window "$MAIN")
    [ "$(control_text "$MAIN" IDC_ID_COMBO)" = "あいうえおかき" ] || fail "start $start shows the ID $(control_text "$MAIN" IDC_ID_COMBO)"
    end_program
    [ "$(id_line)" = "$expected" ] || fail "start $start left the ID line $(id_line)"
done
note "a 16-byte ID from vornix.ini stays one entry start after start"

# A 14-byte ID, "LongNameMaster", in a generated log whose other long player "LongNameMastXY" shares
# its first 12 bytes: vornix.exe -e -q finds exactly its games (an ID of 13 to 15 bytes used to find
# none) and writes the files vornix-cli writes. The tables keep the seats' 12-byte names.
long="$WINEPREFIX/drive_c/long-id"
rm -rf "$long"
mkdir -p "$long"
"$NATIVE_BUILD/tests/tools/vornix-loggen" --games 300 --player LongNameMast --player-share 60 "$long/raw.txt" >/dev/null ||
    fail "vornix-loggen failed"
LC_ALL=C awk '/^#LongNameMast / { seat++; sub(/^#LongNameMast /, seat % 2 ? "#LongNameMaster " : "#LongNameMastXY ") } { print }' \
    "$long/raw.txt" >"$long/Zentolog.txt"
games=$(LC_ALL=C grep -c '^#LongNameMaster ' "$long/Zentolog.txt")
[ "$games" -gt 50 ] || fail "the generated log seats LongNameMaster only $games times"
write_settings "LongNameMaster;" 'C:\long-id\Zentolog.txt' 0 20000 1 0 0
start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "LongNameMaster: exit code $VORNIX_EXIT, expected 0"
rows=$(read_cp932 "$folder/LongNameMaster_戦績.xls" | wc -l)
[ "$rows" = $((games + 1)) ] || fail "LongNameMaster: $((rows - 1)) games in the table, the log seats it $games times"
"$NATIVE_BUILD/vornix-cli" --log "$long/Zentolog.txt" --id LongNameMaster --out "$long" >/dev/null 2>&1 ||
    fail "vornix-cli failed for LongNameMaster"
normalise() {
    LC_ALL=C sed -e 's#href="file:///[^"]*"#href="LINK"#g' \
        -e 's#Data processing time : [0-9]* sec#Data processing time : N sec#' "$1"
}
for name in 分析結果.html LongNameMaster_戦績.xls LongNameMaster_ID別集計.xls; do
    cmp -s <(normalise "$folder/$name") <(normalise "$long/$name") || fail "$name differs from vornix-cli's"
done
note "a 14-byte ID was analysed ($games games), the same by vornix.exe and vornix-cli"
