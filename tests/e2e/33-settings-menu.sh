#!/usr/bin/env bash
# The settings menu under Wine, seen through the dialog's boxes and the vornix.ini written at Esc:
# "元に戻す" brings back the settings of start-up; "標準に戻す" sets the default log path and the
# rates 0 and 20000, turns "推移グラフも作成する" off and keeps the typed ID; "保存" writes the file at
# once and greys "元に戻す"; "クリア" empties the ID list and puts the placeholder into the ID box;
# "推移グラフも作成する" toggles and is kept from one start to the next. Ctrl+Q ends like Esc.
# The rate boxes keep five digits and a sign.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
begin_wine_check
clear_opened

# The stored settings; with the argument 1 the trend-chart option is on.
prepare_settings() {
    write_settings "$SAMPLE_ID;Other1;" 'C:\logs\a.txt' 100 500 1 0 1 "${1:-0}"
}

stored() {
    read_cp932 "$folder/vornix.ini"
}

expect_box() {
    local actual
    actual=$(control_text "$MAIN" "$1")
    [ "$actual" = "$2" ] || fail "$3: box $1 shows '$actual', expected '$2'"
}

# The minimum rate box, its text replaced.
type_min_rate() {
    focus_control "$dialog" IDC_MIN_RATE
    type_text "$dialog" "$1"
    expect_box IDC_MIN_RATE "$1" "typing the minimum rate"
}

# Restore: the typed rate and the option turned on give way to the settings of start-up.
prepare_settings
start_vornix
dialog=$(wait_window "$MAIN")
type_min_rate 999
choose_menu_item "$dialog" IDM_TREND_CHARTS
choose_menu_item "$dialog" IDM_RESTORE
expect_box IDC_MIN_RATE 100 "元に戻す"
end_program
grep -qxF '<最低レート>100</最低レート>' <(stored) || fail "元に戻す: vornix.ini lacks the rate of start-up"
! grep -qF '推移グラフ' <(stored) || fail "元に戻す: the trend-chart option is still on"
note "元に戻す brought back the settings of start-up"

# Defaults: the typed ID stays; the option read as on is turned off, so its line is not written.
prepare_settings 1
start_vornix
dialog=$(wait_window "$MAIN")
type_text "$dialog" "NewId1"
choose_menu_item "$dialog" IDM_DEFAULTS
expect_box IDC_ID_COMBO NewId1 "標準に戻す"
expect_box IDC_LOG_PATH 'C:\Kalvento\JAPANESE\Zentolog.txt' "標準に戻す"
expect_box IDC_MIN_RATE 0 "標準に戻す"
expect_box IDC_MAX_RATE 20000 "標準に戻す"
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
note "標準に戻す set the defaults, turned the option off and kept the ID"

# Save writes at once; afterwards "元に戻す" does nothing. The rate boxes take five digits and a sign,
# more than they show (a box that does not scroll stops at what fits).
prepare_settings
start_vornix
dialog=$(wait_window "$MAIN")
type_min_rate 10000
focus_control "$dialog" IDC_MAX_RATE
type_text "$dialog" 20000
expect_box IDC_MAX_RATE 20000 "typing the maximum rate"
choose_menu_item "$dialog" IDM_SAVE
waited=0
until grep -qxF '<最高レート>20000</最高レート>' <(stored); do
    [ "$waited" -lt $((E2E_TIMEOUT * 10)) ] || fail "保存 did not write the typed rates"
    sleep 0.1; waited=$((waited + 1))
done
grep -qxF '<最低レート>10000</最低レート>' <(stored) || fail "保存 did not write the minimum rate 10000"
# The focus is still in the maximum rate box.
press "$dialog" ctrl+a
type_text "$dialog" -20000
expect_box IDC_MAX_RATE -20000 "typing the maximum rate"
choose_menu_item "$dialog" IDM_RESTORE "$E2E_OUT/33-menu-after-save.png"
expect_box IDC_MAX_RATE -20000 "元に戻す after 保存"
screenshot "$E2E_OUT/33-after-restore.png"
end_program
grep -qxF '<最高レート>-20000</最高レート>' <(stored) || fail "vornix.ini lacks the rate typed after 保存"
note "保存 wrote the rates 10000 and 20000 at once and greyed 元に戻す"

# "クリア": the placeholder is never stored.
prepare_settings
start_vornix
dialog=$(wait_window "$MAIN")
focus_control "$dialog" IDC_CLEAR_IDS
press "$dialog" space
expect_box IDC_ID_COMBO "ここにIDを入力" "クリア"
end_program
[ "$(stored | head -n 1)" = "<KalventoID></KalventoID>" ] || fail "クリア: the ID line is $(stored | head -n 1)"
note "クリア emptied the ID list"

# "推移グラフも作成する": turned on, it adds its line to vornix.ini; at the next start it is read as
# on, so choosing it again turns it off and the file is the seven lines again, byte for byte.
prepare_settings 1
cp "$folder/vornix.ini" "$E2E_OUT/33-trends-on.ini"
prepare_settings
cp "$folder/vornix.ini" "$E2E_OUT/33-trends-off.ini"
start_vornix
dialog=$(wait_window "$MAIN")
choose_menu_item "$dialog" IDM_TREND_CHARTS
end_program
cmp -s "$folder/vornix.ini" "$E2E_OUT/33-trends-on.ini" || fail "turned on: vornix.ini is $(stored)"
start_vornix
dialog=$(wait_window "$MAIN")
choose_menu_item "$dialog" IDM_TREND_CHARTS "$E2E_OUT/33-menu-trends-on.png"
end_program
cmp -s "$folder/vornix.ini" "$E2E_OUT/33-trends-off.ini" || fail "turned off again: vornix.ini is $(stored)"
note "推移グラフも作成する toggled and was kept through vornix.ini"
