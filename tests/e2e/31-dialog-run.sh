#!/usr/bin/env bash
# The main dialog under Wine: with no settings file the ID box offers the placeholder; a click into
# its middle selects it whole, so typing an ID replaces it, and pressing Enter writes the report (opened through the shell, which record-open.exe notes, see
# gui.sh); so does a click on "分析実行", after which the keyboard acts again: Esc ends the program
# and vornix.ini holds the ID at the top of the ID line. At the next start the drop-down list holds
# the ID: choosing it with the Down key brings it back into the box.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

begin_wine_check
rm -rf "$folder"
mkdir -p "$WINEPREFIX/drive_c/Kalvento/JAPANESE"
cp "$ROOT/examples/Zentolog.txt" "$WINEPREFIX/drive_c/Kalvento/JAPANESE/Zentolog.txt"
clear_opened

start_vornix
dialog=$(wait_window "$MAIN_CAPTION")
[ "$(control_text "$MAIN_CAPTION" IDC_ID_COMBO)" = "ここにIDを入力" ] ||
    fail "the ID box does not offer the placeholder at the first start"
# The middle of the box lies inside the placeholder; the click used to put the caret there.
click_control "$dialog" IDC_ID_COMBO
type_text "$dialog" "$ID"
[ "$(control_text "$MAIN_CAPTION" IDC_ID_COMBO)" = "$ID" ] ||
    fail "typing after a click into the placeholder gave $(control_text "$MAIN_CAPTION" IDC_ID_COMBO)"
press "$dialog" Return
wait_file "$folder/分析結果.html"
wait_file "$folder/${ID}_ID別集計.xls"
wait_opened '分析結果\.html'
note "a click into the placeholder and the typed ID replaced it; Enter ran the analysis and opened the report"

# A click on "分析実行" gives the button the focus, and the run disables it: afterwards the focus must
# be on a control again, or Esc would do nothing.
clear_opened
click_control "$dialog" IDC_RUN
wait_opened '分析結果\.html'
end_program
note "after a clicked run Esc ended the program"
read_cp932 "$folder/vornix.ini" >"$E2E_OUT/31-first.ini"
[ "$(head -n 1 "$E2E_OUT/31-first.ini")" = "<KalventoID>$ID;</KalventoID>" ] ||
    fail "vornix.ini does not start with the ID line of $ID: $(head -n 1 "$E2E_OUT/31-first.ini")"
grep -qxF '<牌譜ファイル>C:\Kalvento\JAPANESE\Zentolog.txt</牌譜ファイル>' "$E2E_OUT/31-first.ini" ||
    fail "vornix.ini lacks the default log path"
note "Esc stored the ID at the top of the ID line"

start_vornix
dialog=$(wait_window "$MAIN_CAPTION")
[ "$(control_text "$MAIN_CAPTION" IDC_ID_COMBO)" = "$ID" ] || fail "the ID box does not show $ID"
press "$dialog" F4
screenshot "$E2E_OUT/31-id-list.png"
press "$dialog" F4
# Replace the text, then pick the list's first entry with the Down key.
press "$dialog" ctrl+a
type_text "$dialog" "Typed1"
press "$dialog" Down
end_program
line=$(read_cp932 "$folder/vornix.ini" | head -n 1)
[ "$line" = "<KalventoID>$ID;</KalventoID>" ] || fail "the drop-down list did not offer $ID: $line"
note "the drop-down list holds $ID at the next start"
