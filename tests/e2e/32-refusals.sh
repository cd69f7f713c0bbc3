#!/usr/bin/env bash
# The Run command's refusals under Wine, each a message box captioned "エラー": "-e" with no settings
# file refuses the placeholder ID before the dialog exists (the box has no owner), and closing the box
# shows the dialog; an ID holding ":" gives "IDにファイル名に使えない文字が含まれています"; a log
# path naming a missing file or a folder gives "牌譜ファイルが開けません：" and the path; with "-q" a refused Run
# still ends the program after its message box, with exit code 0. A box shown over the dialog is
# owned by it, and the dialog is disabled while it is up: clicks on its menu do nothing. A fatal
# error of a run from the dialog ends the run, not the program (45-dialog-feedback.sh answers its
# question); "-e -q" still ends with exit code 1 and leaves vornix.ini unwritten.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
begin_wine_check
rm -rf "$folder"
clear_opened

# Waits for the error box, checks its text and closes it with Enter.
expect_error() {
    local box
    box=$(wait_window "エラー")
    window_texts "エラー" | cut -f 2 | grep -qxF "$1" ||
        fail "the error box does not say $1: $(window_texts "エラー" | tr '\n' ' ')"
    click_at "$box" 8 8
    press "$box" Return
    wait_window_gone "エラー"
}

start_vornix -e
wait_window "エラー" >/dev/null
xdotool search --name "^$MAIN\$" >/dev/null 2>&1 && fail "the dialog exists before the refusal was closed"
[ "$(window_owner "エラー")" = "$(printf '\t1')" ] || fail "the box before the dialog has an owner: $(window_owner "エラー")"
expect_error "分析するIDを設定してください"
dialog=$(wait_window "$MAIN")
note "-e without settings refused the placeholder; the dialog followed"

type_text "$dialog" "a:b"
press "$dialog" Return
expect_error "IDにファイル名に使えない文字が含まれています"
[ ! -e "$folder/a" ] || fail "the refused ID a:b touched a file"
note "an ID a file name can't hold was refused"
press "$dialog" ctrl+a
type_text "$dialog" "$SAMPLE_ID"
focus_control "$dialog" IDC_LOG_PATH
type_text "$dialog" 'C:\nowhere\Zentolog.txt'
[ "$(control_text "$MAIN" IDC_LOG_PATH)" = 'C:\nowhere\Zentolog.txt' ] || fail "could not type the log path"
press "$dialog" Return
expect_error "牌譜ファイルが開けません："
press "$dialog" ctrl+a
type_text "$dialog" 'C:\windows'
press "$dialog" Return
wait_window "エラー" >/dev/null
note "a missing log and a folder were refused"

# The box is owned by the dialog, which is disabled while it is up: "分析実行" and "終了" from the
# menu, clicked with the mouse ("ファイル(F)" and its two items lie at these points with the prefix's
# fonts), do nothing. Once the box is closed the dialog takes keys again.
owner=$(window_owner "エラー")
[ "$owner" = "$(printf '%s\t0' "$MAIN")" ] || fail "the box is not owned by the disabled dialog: $owner"
click_at "$dialog" 30 12
click_at "$dialog" 40 31
click_at "$dialog" 30 12
click_at "$dialog" 40 47
sleep 0.5
[ "$(xdotool search --onlyvisible --name '^エラー$' | wc -l)" = 1 ] || fail "a second box opened over the first"
expect_error 'C:\windows'
sleep 0.5
xdotool search --onlyvisible --name "^$MAIN\$" >/dev/null || fail "a click on the disabled dialog closed it"
end_program
note "the box was owned by the dialog, which took no command while it was up"
grep -qxF '<牌譜ファイル>C:\windows</牌譜ファイル>' <(read_cp932 "$folder/vornix.ini") ||
    fail "vornix.ini does not hold the typed log path"
[ -z "$(opened_files)" ] || fail "a refused run opened something: $(opened_files)"
[ ! -e "$folder/分析結果.html" ] || fail "a refused run wrote a report"

start_vornix -q
dialog=$(wait_window "$MAIN")
press "$dialog" Return
expect_error "牌譜ファイルが開けません："
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "exit code $VORNIX_EXIT after a refused run with -q, expected 0"
note "-q ended the program after a refused run"

# A malformed log with "-e -q" ends the process through its fatal error: exit code 1, vornix.ini not
# written (the comment line would be gone if it had been).
mkdir -p "$WINEPREFIX/drive_c/broken"
write_cp932 "$WINEPREFIX/drive_c/broken/Zentolog.txt" <<'LOG'
<上級ロビー(点200)：卓27>
 0:東風戦
[2024/01/01 19:44]
#guest1 初段
#白猫丸 四段
ronron2 二段
#Sakura77 初段
 東1局 guest1 ツモ 2000点
>1     +39 4     -29 2      -3 3      -7
LOG
write_settings "$SAMPLE_ID;" 'C:\broken\Zentolog.txt' 0 20000 1 0 0
printf '# written by hand\r\n' >>"$folder/vornix.ini"
cp "$folder/vornix.ini" "$E2E_OUT/32-before-fatal.ini"
start_vornix -e -q
expect_error "牌譜データ処理中にエラーが発生しました。"
wait_vornix_exit
[ "$VORNIX_EXIT" = 1 ] || fail "exit code $VORNIX_EXIT after a fatal error, expected 1"
cmp -s "$folder/vornix.ini" "$E2E_OUT/32-before-fatal.ini" || fail "vornix.ini was written after a fatal error"
note "a fatal error of -e -q ended the program with exit code 1 and left vornix.ini alone"
