#!/usr/bin/env bash
# What the main dialog tells while the user works, under Wine: a broken log ends the run, not the
# program (いいえ leaves the dialog and its texts as they were; はい turns the tolerant reading on and
# runs again, the report counting the skipped entry); the line above the buttons names the conditions
# and the optional outputs while they are on and is gone with them, the dialog back at its size; the
# no-games message names the range and the conditions; a log path naming no file is marked, and the
# open failure names it; during a run over a large log the Run button is greyed and the share read
# grows. Pictures in build/e2e: feedback-*.png (docs/dialog-conditions.png is feedback-line.png).
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
begin_wine_check
clear_opened
logs="$WINEPREFIX/drive_c/logs"
mkdir -p "$logs"

# The summary line's text, its lines joined by "|".
summary() {
    local id
    id=$(control_id IDC_RUN_SUMMARY)
    window_texts "$MAIN" | awk -F '\t' -v id="$id" '
        $1 == id { on = 1; text = $2; next }
        on && /^-?[0-9]+\t/ { on = 0 }
        on { text = text "|" $0 }
        END { print text }'
}

# Appends the lines (UTF-8, one per argument) to vornix.ini.
add_settings() {
    printf '%s\n' "$@" | write_cp932 "$E2E_OUT/45-lines.ini"
    cat "$E2E_OUT/45-lines.ini" >>"$folder/vornix.ini"
}

# Waits for the error box; checks that it holds the text (grep -F) and answers it with the keys.
answer_box() {
    local box
    box=$(wait_window "エラー")
    sleep 0.5
    window_texts "エラー" | cut -f 2 | grep -qF "$1" ||
        fail "the box does not say $1: $(window_texts "エラー" | tr '\n' ' ')"
    press "$box" "${@:2}"
    wait_window_gone "エラー"
}

# A broken entry after the sample's games.
{ cat "$ROOT/examples/Zentolog.txt"; printf '%s\r\n' '<上級ロビー(点200)：卓27>' ' 0:東風戦' '[2024/12/01 19:44]' \
    "#$ID 初段" '#白猫丸 四段' '#ronron2 二段' '#Sakura77 初段'; } >"$logs/broken.txt"
iconv -f UTF-8 -t CP932 <<<'>1     +39 2      -3 3      -7 4     -28' | sed 's/$/\r/' >>"$logs/broken.txt"
write_settings "$ID;" 'C:\logs\broken.txt' 0 20000 1 0 0
start_vornix
dialog=$(wait_window "$MAIN")
[ -z "$(summary)" ] || fail "the line shows '$(summary)' with everything off"
size=$(xdotool getwindowgeometry "$dialog" | awk '/Geometry/ { print $2 }')
before=$(window_texts "$MAIN")
press "$dialog" Return
answer_box "壊れた対局を飛ばして分析を続けますか？" n
sleep 0.5
[ "$(window_texts "$MAIN")" = "$before" ] || fail "the dialog changed after いいえ: $(window_texts "$MAIN" | tr '\n' ' ')"
[ ! -e "$folder/分析結果.html" ] || fail "a report after いいえ"
note "いいえ: the dialog stayed as it was, nothing written"
press "$dialog" Return
answer_box "（" y
wait_opened '分析結果\.html'
grep -q '読み飛ばした壊れた対局' <(read_cp932 "$folder/分析結果.html") || fail "the report does not count the skipped entry"
[ "$(summary)" = "壊れた対局は飛ばして分析" ] || fail "the line says '$(summary)' with the tolerant reading on"
note "はい: the report counts the skipped entry; the line names the tolerant reading"

# The line follows the conditions and the options, and goes with them.
choose_menu_item "$dialog" IDM_TREND_CHARTS
[ "$(summary)" = "壊れた対局は飛ばして分析|追加：推移グラフ" ] || fail "with the trend charts the line says '$(summary)'"
screenshot "$E2E_OUT/feedback-line.png" "$dialog"
choose_menu_item "$dialog" IDM_TREND_CHARTS
click_control "$dialog" IDC_RUN_SUMMARY
conditions=$(wait_window "分析条件")
press "$conditions" shift+Tab space
wait_window_gone "分析条件"
[ -z "$(summary)" ] || fail "the line still says '$(summary)' with everything off"
size2=$(xdotool getwindowgeometry "$dialog" | awk '/Geometry/ { print $2 }')
[ "$size2" = "$size" ] || fail "the dialog is $size2 again, was $size"
end_program
grep -q '壊れた対局' <(read_cp932 "$folder/vornix.ini") && fail "条件を解除 left the tolerant reading stored"
note "the line came and went with the options; a click on it opened 分析条件"

# No game: the message names the range and the conditions.
cp "$ROOT/examples/Zentolog.txt" "$logs/Zentolog.txt"
write_settings "$ID;" 'C:\logs\Zentolog.txt' 1 9 1 0 0
add_settings '<対局>1</対局>'
start_vornix
dialog=$(wait_window "$MAIN")
[ "$(summary)" = "分析条件：東風戦" ] || fail "with 東風戦 the line says '$(summary)'"
press "$dialog" Return
answer_box "分析条件：東風戦" Return
end_program
note "the no-games message named the condition"

# A missing log is marked at start-up and named by the open failure.
write_settings "$ID;" 'C:\nowhere\Zentolog.txt' 0 20000 1 0 0
start_vornix
dialog=$(wait_window "$MAIN")
summary | grep -qF "牌譜ファイルが開けません" || fail "a missing log is not marked: '$(summary)'"
press "$dialog" Return
answer_box 'C:\nowhere\Zentolog.txt' Return
end_program
note "a missing log was marked and named"

# Progress over a large log, the options on so that the run lasts.
"$NATIVE_BUILD/tests/tools/vornix-loggen" --seed 3 --size-mb 100 --player "$ID" "$logs/large.txt" >/dev/null ||
    fail "vornix-loggen failed"
write_settings "$ID;" 'C:\logs\large.txt' 0 20000 1 0 0 1
add_settings '<詳しい成績>1</詳しい成績>' '<対戦相手別>1</対戦相手別>'
clear_opened
start_vornix
dialog=$(wait_window "$MAIN")
watch="$WINEPREFIX/drive_c/vornix-e2e/window-watch.txt"
rm -f "$watch"
wine 'C:\vornix-e2e\window-text.exe' "$MAIN" watch "$(control_id IDC_RUN_SUMMARY)" "$(control_id IDC_RUN)" 20 \
    >/dev/null 2>&1 &
watcher=$!
STARTED_PIDS+=("$watcher")
wait_file "$watch"
press "$dialog" Return
wait_opened '分析結果\.html'
screenshot "$E2E_OUT/feedback-after-run.png" "$dialog"
kill "$watcher" 2>/dev/null || true
seen=$(read_cp932 "$watch" | awk -F '\t' '$1 ~ /^分析中/ { if ($2 != 0) print "enabled"; sub(/%.*/, "", $1); sub(/.* /, "", $1); print $1 }')
grep -q enabled <<<"$seen" && fail "the Run button was enabled during the run: $(read_cp932 "$watch")"
[ "$(sort -un <<<"$seen" | wc -l)" -ge 2 ] || fail "the share read did not grow: $(read_cp932 "$watch")"
[ "$(control_state "$MAIN" IDC_RUN)" = "1 1" ] || fail "the Run button is still greyed after the run"
end_program
note "the Run button was greyed and the share read grew:" $seen
