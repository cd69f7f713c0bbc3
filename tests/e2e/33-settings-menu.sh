#!/usr/bin/env bash
# The settings menu under Wine, seen through the dialog's boxes and the vornix.ini written at Esc:
# "元に戻す" brings back the settings of start-up; "標準に戻す" sets the default log path and the
# rates 0 and 20000 and keeps the typed ID; "保存" writes the file at once and greys "元に戻す";
# "クリア" empties the ID list and puts the placeholder into the ID box. Ctrl+Q ends like Esc.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
start_display
prepare_prefix
folder=$(vornix_folder)
clear_opened

prepare_settings() {
    write_settings "$SAMPLE_ID;Other1;" 'C:\logs\a.txt' 100 500 1 0 1
}

stored() {
    read_cp932 "$folder/vornix.ini"
}

expect_box() {
    local actual
    actual=$(control_text "$MAIN" "$1")
    [ "$actual" = "$2" ] || fail "$3: box $1 shows '$actual', expected '$2'"
}

# From the ID box, four tab stops on: "クリア", the log path, "参照", the minimum rate.
type_min_rate() {
    press "$dialog" Tab Tab Tab Tab ctrl+a
    type_text "$dialog" "$1"
    expect_box 1302 "$1" "typing the minimum rate"
}

end_program() {
    press "$dialog" "${1:-Escape}"
    wait_vornix_exit
    [ "$VORNIX_EXIT" = 0 ] || fail "exit code $VORNIX_EXIT after Esc, expected 0"
}

# Restore: the typed rate gives way to the one of start-up.
prepare_settings
start_vornix
dialog=$(wait_window "$MAIN")
type_min_rate 999
press "$dialog" alt+o Down Return
expect_box 1302 100 "元に戻す"
end_program
stored | grep -qxF '<最低レート>100</最低レート>' || fail "元に戻す: vornix.ini lacks the rate of start-up"
note "元に戻す brought back the settings of start-up"

# Defaults: the typed ID stays.
prepare_settings
start_vornix
dialog=$(wait_window "$MAIN")
type_text "$dialog" "NewId1"
press "$dialog" alt+o Down Down Return
expect_box 1101 NewId1 "標準に戻す"
expect_box 1301 'C:\Kalvento\JAPANESE\Zentolog.txt' "標準に戻す"
expect_box 1302 0 "標準に戻す"
expect_box 1303 20000 "標準に戻す"
end_program ctrl+q
stored >"$E2E_OUT/33-defaults.ini"
diff -u - "$E2E_OUT/33-defaults.ini" <<INI || fail "標準に戻す: vornix.ini is not as expected"
<KalventoID>NewId1;$SAMPLE_ID;Other1;</KalventoID>
<牌譜ファイル>C:\Kalvento\JAPANESE\Zentolog.txt</牌譜ファイル>
<最低レート>0</最低レート>
<最高レート>20000</最高レート>
<設定保存>1</設定保存>
<デスクトップ保存>0</デスクトップ保存>
<配色>0</配色>
INI
note "標準に戻す set the defaults and kept the ID"

# Save writes at once; afterwards "元に戻す" does nothing.
prepare_settings
start_vornix
dialog=$(wait_window "$MAIN")
type_min_rate 300
press "$dialog" alt+o Return
waited=0
until stored | grep -qxF '<最低レート>300</最低レート>'; do
    [ "$waited" -lt $((E2E_TIMEOUT * 10)) ] || fail "保存 did not write the typed rate"
    sleep 0.1; waited=$((waited + 1))
done
# The focus is still in the minimum rate box.
press "$dialog" ctrl+a
type_text "$dialog" 400
expect_box 1302 400 "typing the minimum rate"
press "$dialog" alt+o
screenshot "$E2E_OUT/33-menu-after-save.png"
press "$dialog" Down Return
expect_box 1302 400 "元に戻す after 保存"
screenshot "$E2E_OUT/33-after-restore.png"
end_program
stored | grep -qxF '<最低レート>400</最低レート>' || fail "vornix.ini lacks the rate typed after 保存"
note "保存 wrote at once and greyed 元に戻す"

# "クリア" (the next tab stop after the ID box): the placeholder is never stored.
prepare_settings
start_vornix
dialog=$(wait_window "$MAIN")
press "$dialog" Tab space
expect_box 1101 "ここにIDを入力" "クリア"
end_program
[ "$(stored | head -n 1)" = "<KalventoID></KalventoID>" ] || fail "クリア: the ID line is $(stored | head -n 1)"
note "クリア emptied the ID list"
