#!/usr/bin/env bash
# The 分析条件 dialog under Wine (設定 → "分析条件..."), seen through its boxes and the vornix.ini
# written at Esc: conditions stored in vornix.ini come back in the dialog and go out again unchanged
# through OK, a lobby the log lacks included; conditions chosen with the keyboard (two days in the
# other accepted forms, two lobbies of the log's list, 東風戦, 4人打ち, the tolerant reading) are
# stored; a day the calendar lacks and a period ending before it starts are refused with a message
# and the dialog stays open, with nothing stored; "条件を解除" turns them all off. "-e -q" applies
# the stored conditions: its files equal vornix-cli.exe's with the same options. A picture of the
# dialog is kept in build/e2e as conditions-dialog.png (docs/conditions-dialog.png is this picture).
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
CONDITIONS="分析条件"
begin_wine_check
mkdir -p "$WINEPREFIX/drive_c/logs"
cp "$ROOT/examples/Zentolog.txt" "$WINEPREFIX/drive_c/logs/Zentolog.txt"
clear_opened

# The seven settings over the sample log, then the given condition lines (UTF-8, one per argument).
prepare_settings() {
    write_settings "$ID;" 'C:\logs\Zentolog.txt' 0 20000 1 0 0
    local line
    for line in "$@"; do printf '%s\n' "$line"; done | write_cp932 "$E2E_OUT/42-lines.ini"
    cat "$E2E_OUT/42-lines.ini" >>"$folder/vornix.ini"
}

stored() {
    read_cp932 "$folder/vornix.ini"
}

# 設定 → "分析条件..."; prints the dialog's id. With a file name, a picture of the open menu is taken
# first.
open_conditions() {
    choose_menu_item "$dialog" IDM_CONDITIONS "${1:-}"
    wait_window "$CONDITIONS"
}

expect_day() {
    local actual
    actual=$(control_text "$CONDITIONS" "$1")
    [ "$actual" = "$2" ] || fail "$3: day box $1 shows '$actual', expected '$2'"
}

# Waits for the error box, checks its text and closes it with Enter; the dialog must still be open.
expect_refusal() {
    local box
    box=$(wait_window "エラー")
    window_texts "エラー" | cut -f 2 | grep -qxF "$1" ||
        fail "the error box does not say $1: $(window_texts "エラー" | tr '\n' ' ')"
    [ "$(window_owner "エラー")" = "$(printf '%s\t0' "$CONDITIONS")" ] ||
        fail "the box is not owned by the disabled $CONDITIONS dialog: $(window_owner "エラー")"
    press "$box" Return
    wait_window_gone "エラー"
    xdotool search --onlyvisible --name "^$CONDITIONS\$" >/dev/null 2>&1 || fail "the dialog closed after '$1'"
}

ALL_SET=(
    '<開始日>2024/01/05</開始日>'
    '<終了日>2024/02/20</終了日>'
    '<ロビー>上級ロビー;幻のロビー;</ロビー>'
    '<対局>2</対局>'
    '<人数>3</人数>'
    '<壊れた対局>1</壊れた対局>'
)

# Stored conditions come back in the dialog and go out unchanged through OK.
prepare_settings "${ALL_SET[@]}"
cp "$folder/vornix.ini" "$E2E_OUT/42-all-set.ini"
start_vornix
dialog=$(wait_window "$MAIN")
conditions=$(open_conditions "$E2E_OUT/42-menu-conditions-on.png")
expect_day IDC_CONDITION_FIRST_DAY 2024/01/05 "stored"
expect_day IDC_CONDITION_LAST_DAY 2024/02/20 "stored"
press "$conditions" Return
wait_window_gone "$CONDITIONS"
end_program
cmp -s "$folder/vornix.ini" "$E2E_OUT/42-all-set.ini" || fail "OK did not keep the stored conditions: $(stored)"
note "every stored condition came back in the dialog and was stored again by OK"

# Chosen with the keyboard from the first day box: the days in two other forms, the first two lobbies
# of the log (Space checks the focused one), 東風戦 and 4人打ち (Down moves to the next button of a
# group), the tolerant reading; Enter is OK.
prepare_settings
start_vornix
dialog=$(wait_window "$MAIN")
conditions=$(open_conditions "$E2E_OUT/42-menu-conditions-off.png")
type_text "$conditions" "2024-01-05"
press "$conditions" Tab
type_text "$conditions" "2024/2/20"
press "$conditions" Tab space Down space Tab Down Tab Down Tab space Return
wait_window_gone "$CONDITIONS"
end_program
stored | tail -n 6 >"$E2E_OUT/42-chosen.ini"
diff -u - "$E2E_OUT/42-chosen.ini" <<'INI' || fail "the chosen conditions were not stored as expected"
<開始日>2024/01/05</開始日>
<終了日>2024/02/20</終了日>
<ロビー>上級ロビー;東南戦ロビー;</ロビー>
<対局>1</対局>
<人数>4</人数>
<壊れた対局>1</壊れた対局>
INI
cp "$folder/vornix.ini" "$E2E_OUT/42-chosen-full.ini"
note "the conditions chosen in the dialog were stored"

# Refusals: the dialog stays open and nothing is stored; キャンセル (Esc) then closes it.
prepare_settings "${ALL_SET[@]}"
start_vornix
dialog=$(wait_window "$MAIN")
conditions=$(open_conditions)
press "$conditions" ctrl+a
type_text "$conditions" "2024/02/30"
press "$conditions" Return
expect_refusal "開始日「2024/02/30」は存在しない日付です"
press "$conditions" ctrl+a
type_text "$conditions" "2024/03/01"
press "$conditions" Return
expect_refusal "開始日が終了日より後になっています"
press "$conditions" Escape
wait_window_gone "$CONDITIONS"
end_program
cmp -s "$folder/vornix.ini" "$E2E_OUT/42-all-set.ini" || fail "a refused dialog changed the conditions: $(stored)"
note "an impossible day and a reversed period were refused in the open dialog"

# "条件を解除", the last tab stop: every condition off, so vornix.ini is the seven lines again.
start_vornix
dialog=$(wait_window "$MAIN")
conditions=$(open_conditions)
press "$conditions" shift+Tab space
wait_window_gone "$CONDITIONS"
end_program
[ "$(stored | wc -l)" = 7 ] || fail "条件を解除 left conditions: $(stored)"
note "条件を解除 turned every condition off"

# "-e -q" analyses with the chosen conditions, as vornix-cli.exe does with the same options.
cp "$E2E_OUT/42-chosen-full.ini" "$folder/vornix.ini"
start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "-e -q with conditions: exit code $VORNIX_EXIT, expected 0"
cli="$WINEPREFIX/drive_c/vornix-e2e/cli-run"
rm -rf "$cli"
mkdir -p "$cli"
(cd "$cli" && wine "$WINDOWS_BUILD/vornix-cli.exe" --log 'C:\logs\Zentolog.txt' --id "$ID" --from 2024-01-05 \
    --to 2024/2/20 --lobby '上級ロビー' --lobby '東南戦ロビー' --length tonpu --players 4 --skip-bad \
    >"$E2E_OUT/42-cli.log" 2>&1) || fail "vornix-cli.exe failed: $(cat "$E2E_OUT/42-cli.log")"
normalise() {
    LC_ALL=C sed -e 's#href="file:///[^"]*"#href="LINK"#g' \
        -e 's#Data processing time : [0-9]* sec#Data processing time : N sec#' "$1"
}
for name in 分析結果.html "${ID}_戦績.xls" "${ID}_ID別集計.xls"; do
    [ -s "$cli/$name" ] || fail "vornix-cli.exe wrote no $name"
    cmp -s <(normalise "$folder/$name") <(normalise "$cli/$name") || fail "-e -q: $name differs from vornix-cli.exe's"
done
rows=$(($(read_cp932 "$folder/${ID}_戦績.xls" | wc -l) - 1))
[ "$rows" -gt 0 ] && [ "$rows" -lt 100 ] || fail "-e -q with conditions gave $rows games"
note "-e -q applied the stored conditions ($rows games), as vornix-cli.exe"

# The picture (the stored conditions, a lobby the log lacks checked at the end of the list): Wine's virtual desktop draws the frame and the caption.
prepare_settings "${ALL_SET[@]}"
(cd "$WINDOWS_BUILD" && exec wine explorer /desktop=vornix-e2e,640x600 "$VORNIX_EXE") >/dev/null 2>&1 &
STARTED_PIDS+=("$!")
VORNIX_PID=$!
dialog=$(wait_window "$MAIN")
conditions=$(open_conditions)
screenshot "$E2E_OUT/conditions-dialog.png" "$conditions"
press "$conditions" Escape
wait_window_gone "$CONDITIONS"
press "$dialog" Escape
wait_window_gone "$MAIN"
note "a picture of the dialog in build/e2e/conditions-dialog.png"
