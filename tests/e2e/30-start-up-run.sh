#!/usr/bin/env bash
# vornix.exe -e -q under Wine: the run at start-up analyses the stored settings without a window,
# writes the three files into the program folder (AppData\Roaming\vornix in the prefix), asks the
# shell to open the report (record-open.exe notes it, see gui.sh), ends with exit code 0 and leaves
# vornix.ini as it was. The files equal vornix-cli's for the same log, ID, range and scheme, apart
# from the folder in the links and the processing time. "-e" alone runs the same analysis and then
# shows the dialog. With the trend-chart option stored, "-e -q" writes the monthly table as a fourth
# file; without it there is none. The exit codes follow vornix-cli's: 1 after a report that can't be
# created (its message shown, the previous tables untouched), 2 after a refused run, 3 when a table
# could not be written. With no program for ".html" (or ".txt") in the prefix, a message names the
# full path of the report (or of the user guide), except after "-e -q", which ends by itself.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

begin_wine_check
mkdir -p "$WINEPREFIX/drive_c/牌譜 データ"
cp "$ROOT/examples/Zentolog.txt" "$WINEPREFIX/drive_c/牌譜 データ/Zentolog.txt"
write_settings "$ID;Other1;" 'C:\牌譜 データ\Zentolog.txt' 50 1000 1 0 2
cp "$folder/vornix.ini" "$E2E_OUT/vornix.ini.before"
clear_opened

start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "exit code $VORNIX_EXIT, expected 0"
cmp -s "$folder/vornix.ini" "$E2E_OUT/vornix.ini.before" || fail "vornix.ini was changed"
for name in 分析結果.html "${ID}_戦績.xls" "${ID}_ID別集計.xls"; do
    [ -s "$folder/$name" ] || fail "$name is missing in the program folder"
done
[ ! -e "$folder/${ID}_月別集計.xls" ] || fail "the monthly table was written with the option off"
wait_opened '^"?C:\\users\\[^\\]+\\AppData\\Roaming\\vornix\\分析結果\.html"?$'
note "three files written, exit code 0, vornix.ini unchanged, report opened"

# The links name the program folder in its Windows form, one back-slash before the file name.
user=$(basename "$(dirname "$(dirname "$(appdata_folder)")")")
grep -qF "file:///C:\\users\\$user\\AppData\\Roaming\\vornix\\${ID}_戦績.xls" <(read_cp932 "$folder/分析結果.html") ||
    fail "the report's link to the per-game table does not name the program folder"

# The same analysis by the native command-line program.
native="$E2E_OUT/native-run"
rm -rf "$native"
mkdir -p "$native"
"$NATIVE_BUILD/vornix-cli" --log "$ROOT/examples/Zentolog.txt" --id "$ID" --min 50 --max 1000 --scheme 2 \
    --out "$native" >"$E2E_OUT/native-run.log" 2>&1 ||
    fail "vornix-cli failed: $(cat "$E2E_OUT/native-run.log")"

# Links and processing time differ by nature; everything else must be byte for byte the same.
normalise() {
    LC_ALL=C sed -e 's#href="file:///[^"]*"#href="LINK"#g' \
        -e 's#Data processing time : [0-9]* sec#Data processing time : N sec#' "$1"
}
for name in 分析結果.html "${ID}_戦績.xls" "${ID}_ID別集計.xls"; do
    [ -s "$native/$name" ] || fail "vornix-cli wrote no $name"
    if ! cmp -s <(normalise "$folder/$name") <(normalise "$native/$name"); then
        diff <(normalise "$folder/$name" | iconv -f CP932 -t UTF-8) \
            <(normalise "$native/$name" | iconv -f CP932 -t UTF-8) | head -n 20 >&2 || true
        fail "$name differs from vornix-cli's"
    fi
done
note "the files equal vornix-cli's"

# "-e" alone: the same run, then the dialog, whose ID box shows the analysed ID.
clear_opened
start_vornix -e
dialog=$(wait_window "$MAIN_CAPTION")
wait_opened '分析結果\.html'
[ "$(control_text "$MAIN_CAPTION" IDC_ID_COMBO)" = "$ID" ] || fail "-e: the ID box does not show $ID"
press "$dialog" Escape
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "-e: exit code $VORNIX_EXIT after Esc, expected 0"
note "-e ran the analysis, then showed the dialog"

# The option stored in vornix.ini: the same run also writes the monthly table.
write_settings "$ID;Other1;" 'C:\牌譜 データ\Zentolog.txt' 50 1000 1 0 2 1
start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "with the option: exit code $VORNIX_EXIT, expected 0"
monthly="$folder/${ID}_月別集計.xls"
[ -s "$monthly" ] || fail "with the option: ${ID}_月別集計.xls is missing in the program folder"
header=$(read_cp932 "$monthly" | head -n 1)
[ "$header" = "$(printf '年月\t対局数\t勝ち\t負け\t引分\t平均順位\t1位率\t2位率\t3位率\t4位率\t平均得点\t収支')" ] ||
    fail "with the option: the monthly table begins with '$header'"
grep -qF "${ID}_月別集計.xls" <(read_cp932 "$folder/分析結果.html") ||
    fail "with the option: the report does not link the monthly table"
note "with the option stored, -e -q wrote the monthly table"

# "分析結果.html" is a folder: the message naming it, then exit code 1 without the dialog; the tables
# stay.
rm -f "$folder/分析結果.html"
mkdir "$folder/分析結果.html"
printf 'previous' >"$folder/${ID}_戦績.xls"
start_vornix -e -q
box=$(wait_window "エラー")
window_texts "エラー" | cut -f 2 | grep -F "結果ファイルをオープンできませんでした。ファイルでないもの" |
    grep -qF '\分析結果.html' || fail "the error box does not name the folder in the way: $(window_texts "エラー" | tr '\n' ' ')"
click_at "$box" 8 8
press "$box" Return
wait_vornix_exit
[ "$VORNIX_EXIT" = 1 ] || fail "exit code $VORNIX_EXIT after a report that can't be created, expected 1"
[ "$(cat "$folder/${ID}_戦績.xls")" = previous ] || fail "the per-game table was replaced without a report"
ls "$folder" | grep -q '\.tmp$' && fail "temporary files left: $(ls "$folder" | grep '\.tmp$')"
rmdir "$folder/分析結果.html"
note "a report that can't be created: its message, exit code 1, the previous table kept"

# Waits for the error box, checks that one of its lines is the text and closes it.
expect_box() {
    expect_box_matching -x "$1"
}

# expect_box_holding TEXT: the same for a box whose text holds TEXT.
expect_box_holding() {
    expect_box_matching "" "$1"
}

expect_box_matching() {
    local box
    box=$(wait_window "エラー")
    window_texts "エラー" | cut -f 2 | grep -q $1 -F "$2" ||
        fail "the box does not say $2: $(window_texts "エラー" | tr '\n' ' ')"
    click_at "$box" 8 8
    press "$box" Return
}

# No game of the ID: refused, exit code 2.
write_settings "NoSuchPlayer;" 'C:\牌譜 データ\Zentolog.txt' 50 1000 1 0 2
start_vornix -e -q
expect_box "指定された条件での対局データは含まれていませんでした。"
wait_vornix_exit
[ "$VORNIX_EXIT" = 2 ] || fail "exit code $VORNIX_EXIT after a run without games, expected 2"
note "a run without games: exit code 2"

# The monthly table's name is a folder: the box names it, the report and the other tables are written,
# exit code 3.
write_settings "$ID;" 'C:\牌譜 データ\Zentolog.txt' 50 1000 1 0 2 1
rm -rf "$monthly"
mkdir "$monthly"
start_vornix -e -q
expect_box_holding "${ID}_月別集計.xls"
wait_vornix_exit
[ "$VORNIX_EXIT" = 3 ] || fail "exit code $VORNIX_EXIT after a table that can't be written, expected 3"
[ -s "$folder/分析結果.html" ] || fail "no report beside the table that can't be written"
rmdir "$monthly"
note "a table that can't be written: exit code 3"

# No program for ".html" and ".txt": "-e -q" ends by itself with 0; with the dialog the report's and
# the guide's paths are named, and the run still counts as done.
wine reg delete 'HKCR\htmlfile' /f >/dev/null 2>&1 || fail "could not remove the .html handler"
wine reg delete 'HKCR\txtfile' /f >/dev/null 2>&1 || fail "could not remove the .txt handler"
wine reg delete 'HKCR\.html' /f >/dev/null 2>&1 || true
wine reg delete 'HKCR\.txt' /f >/dev/null 2>&1 || true
wineserver -w
clear_opened
write_settings "$ID;" 'C:\牌譜 データ\Zentolog.txt' 50 1000 1 0 2
start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "-e -q: exit code $VORNIX_EXIT after a report the shell can't open, expected 0"
start_vornix -e
expect_box "C:\\users\\$user\\AppData\\Roaming\\vornix\\分析結果.html"
dialog=$(wait_window "$MAIN_CAPTION")
choose_menu_item "$dialog" IDM_USER_GUIDE
expect_box "$(wine_path "$WINDOWS_BUILD/Readme.txt")"
end_program
[ -z "$(opened_files)" ] || fail "something was opened without a handler: $(opened_files)"
wine regedit /S 'C:\vornix-e2e\prefix.reg' >/dev/null 2>&1 || fail "could not restore the handlers"
wineserver -w
note "with no program for .html and .txt the messages named the report and the guide"
