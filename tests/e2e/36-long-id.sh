#!/usr/bin/env bash
# A 16-byte Japanese ID, typed into the ID box or read from vornix.ini, is cut to whole characters
# ("あいうえおかき", 14 bytes): vornix.ini stays valid Shift_JIS and holds the ID once, start after
# start. It used to end in a lone first byte and to come back as a look-alike new ID at each start.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
start_display
prepare_prefix
folder=$(vornix_folder)
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
set_control_text "$MAIN" 1101 "あいうえおかきく"
[ "$(control_text "$MAIN" 1101)" = "あいうえおかきく" ] || fail "could not type the ID: $(control_text "$MAIN" 1101)"
press "$dialog" alt+o Return
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
    [ "$(control_text "$MAIN" 1101)" = "あいうえおかき" ] || fail "start $start shows the ID $(control_text "$MAIN" 1101)"
    end_program
    [ "$(id_line)" = "$expected" ] || fail "start $start left the ID line $(id_line)"
done
note "a 16-byte ID from vornix.ini stays one entry start after start"
