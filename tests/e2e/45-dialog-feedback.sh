#!/usr/bin/env bash
# The main dialog under Wine: a broken log asks to skip broken entries (いいえ: the dialog as it was,
# はい: a run with them skipped); the line above the buttons follows the options and opens 分析条件; the
# no-games and missing-log messages name them; a large log's run shows its progress (feedback-*.png).
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
begin_wine_check
clear_opened
logs="$WINEPREFIX/drive_c/logs" && mkdir -p "$logs"

# The line's text, its lines joined by "|" (window_texts gives each line of a text its own line).
summary() {
    window_texts "$MAIN" | awk -F '\t' -v id="$(control_id IDC_RUN_SUMMARY)" '
        $1 == id { on = 1; text = $2; next }  on && /^-?[0-9]+\t/ { on = 0 }  on { text = text "|" $0 }
        END { print text }'
}

# Waits for the error box; checks that it holds the text (grep -F) and answers it with the keys.
answer_box() {
    wait_window "エラー" >/dev/null && sleep 0.5
    window_texts "エラー" | cut -f 2 | grep -qF "$1" || fail "the box does not say $1: $(window_texts "エラー" | tr '\n' ' ')"
    press "$(wait_window "エラー")" "${@:2}"
    wait_window_gone "エラー"
}

open_dialog() {
    start_vornix
    dialog=$(wait_window "$MAIN")
}

# settings_with LOG [MIN MAX LINE...]: the ID, the log, the rates, then the lines (UTF-8).
settings_with() {
    write_settings "$ID;" "$1" "${2:-0}" "${3:-20000}" 1 0 0
    printf '%s\n' "${@:4}" | write_cp932 "$E2E_OUT/45-lines.ini"
    cat "$E2E_OUT/45-lines.ini" >>"$folder/vornix.ini"
}

cp "$ROOT/examples/Zentolog.txt" "$logs/Zentolog.txt"
printf '%s\n' '<上級ロビー(点200)：卓27>' ' 0:東風戦' '[2024/12/01 19:44]' "#$ID 初段" '#白猫丸 四段' '#ronron2 二段' \
    '#Sakura77 初段' '>1     +39 2      -3 3      -7 4     -28' | write_cp932 "$E2E_OUT/45-broken.txt"
cat "$logs/Zentolog.txt" "$E2E_OUT/45-broken.txt" >"$logs/broken.txt"
settings_with 'C:\logs\broken.txt'
open_dialog
[ -z "$(summary)" ] || fail "the line shows '$(summary)' with everything off"
size=$(xdotool getwindowgeometry "$dialog" | awk '/Geometry/ { print $2 }')
before=$(window_texts "$MAIN")
press "$dialog" Return
answer_box "壊れた対局を飛ばして分析を続けますか？" n
[ "$(window_texts "$MAIN")" = "$before" ] || fail "the dialog changed after いいえ: $(window_texts "$MAIN" | tr '\n' ' ')"
press "$dialog" Return
answer_box "（" y
wait_opened '分析結果\.html'
grep -q '読み飛ばした壊れた対局' <(read_cp932 "$folder/分析結果.html") || fail "the report does not count the skipped entry"
[ "$(summary)" = "壊れた対局は飛ばして分析" ] || fail "the line says '$(summary)' with the tolerant reading on"

choose_menu_item "$dialog" IDM_TREND_CHARTS
[ "$(summary)" = "壊れた対局は飛ばして分析|追加：推移グラフ" ] || fail "with the trend charts the line says '$(summary)'"
screenshot "$E2E_OUT/feedback-line.png" "$dialog"
choose_menu_item "$dialog" IDM_TREND_CHARTS
click_control "$dialog" IDC_RUN_SUMMARY
press "$(wait_window "分析条件")" shift+Tab space   # 条件を解除
wait_window_gone "分析条件"
[ -z "$(summary)" ] || fail "the line still says '$(summary)' with everything off"
[ "$(xdotool getwindowgeometry "$dialog" | awk '/Geometry/ { print $2 }')" = "$size" ] || fail "the dialog is not $size again"
end_program

settings_with 'C:\logs\Zentolog.txt' 1 9 '<対局>1</対局>'
open_dialog
[ "$(summary)" = "分析条件：東風戦" ] || fail "with 東風戦 the line says '$(summary)'"
press "$dialog" Return
answer_box "分析条件：東風戦" Return
end_program
settings_with 'C:\nowhere\Zentolog.txt'
open_dialog
summary | grep -qF "牌譜ファイルが開けません" || fail "a missing log is not marked: '$(summary)'"
press "$dialog" Return
answer_box 'C:\nowhere\Zentolog.txt' Return
end_program
note "a broken log answered both ways; the line followed the options; no games and a missing log named"

# Every option on, so that the log is read twice; the watcher sees changes the other calls would miss.
# The line is redrawn every 150 ms: the log is large enough for a run to last several of them (on a
# fast machine a log of 300 MB was read in two of them, and the watcher saw one).
"$NATIVE_BUILD/tests/tools/vornix-loggen" --seed 3 --size-mb 900 --player "$ID" "$logs/large.txt" >/dev/null ||
    fail "vornix-loggen failed"
settings_with 'C:\logs\large.txt' 0 20000 '<推移グラフ>1</推移グラフ>' '<詳しい成績>1</詳しい成績>' '<対戦相手別>1</対戦相手別>'
clear_opened
open_dialog
watch="$WINEPREFIX/drive_c/vornix-e2e/window-watch.txt" && rm -f "$watch"
wine 'C:\vornix-e2e\window-text.exe' "$MAIN" watch "$(control_id IDC_RUN_SUMMARY)" "$(control_id IDC_RUN)" 20 >/dev/null 2>&1 &
STARTED_PIDS+=("$!") && wait_file "$watch"
press "$dialog" Return
import -window "$dialog" "$E2E_OUT/feedback-progress.png" 2>/dev/null || fail "no picture of the run"
wait_opened '分析結果\.html'
sleep 0.5
seen=$(read_cp932 "$watch" | awk -F '\t' '$1 ~ /^分析中/ { if ($2 != 0) print "enabled"; sub(/%.*/, "", $1); sub(/.* /, "", $1); print $1 }')
grep -q enabled <<<"$seen" && fail "the Run button was enabled during the run: $(read_cp932 "$watch")"
[ "$(sort -un <<<"$seen" | wc -l)" -ge 2 ] || fail "the share read did not grow: $(read_cp932 "$watch")"
[ "$(read_cp932 "$watch" | tail -n 1 | cut -f 2)" = 1 ] || fail "the Run button is still greyed after the run"
end_program
rm -f "$logs/large.txt"
note "the Run button was greyed and the share read grew:" $seen
