#!/usr/bin/env bash
# The further IDs under Wine. Stored in vornix.ini, "vornix.exe -e -q" analyses them with the ID: its
# files equal vornix-cli's with --also-id (links and processing time aside). In the dialog the line
# of what the next run uses names them; choosing another remembered ID from the drop-down list
# brings back that ID's further IDs (the 別のID dialog shows them, its picture in build/e2e), and at
# the end both IDs' are stored.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
begin_wine_check
mkdir -p "$WINEPREFIX/drive_c/logs"
cp "$ROOT/examples/Zentolog.txt" "$WINEPREFIX/drive_c/logs/Zentolog.txt"

write_settings "$ID;ronron2;" 'C:\logs\Zentolog.txt' 0 20000 1 0 0
printf '%s\r\n' '<別のID>guest1;</別のID>' '<別のID:ronron2>hanako_22;</別のID>' | iconv -f UTF-8 -t CP932 \
    >>"$folder/vornix.ini" || fail "could not add the further IDs"
cp "$folder/vornix.ini" "$E2E_OUT/46-start.ini"

normalise() {
    LC_ALL=C sed -e 's#href="file:///[^"]*"#href="LINK"#g' \
        -e 's#Data processing time : [0-9]* sec#Data processing time : N sec#' "$1"
}

start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "with a further ID: exit code $VORNIX_EXIT, expected 0"
grep -qxF "対象のID：$ID、guest1<BR>" <(read_cp932 "$folder/分析結果.html") ||
    fail "the report does not name both IDs"
native="$E2E_OUT/also-ids-native"
rm -rf "$native"
mkdir -p "$native"
"$NATIVE_BUILD/vornix-cli" --log "$ROOT/examples/Zentolog.txt" --id "$ID" --also-id guest1 --out "$native" \
    >"$E2E_OUT/also-ids-native.log" 2>&1 || fail "vornix-cli failed: $(cat "$E2E_OUT/also-ids-native.log")"
for name in 分析結果.html "${ID}_戦績.xls" "${ID}_ID別集計.xls"; do
    cmp -s <(normalise "$folder/$name") <(normalise "$native/$name") || fail "$name differs from vornix-cli's"
done
note "-e -q analysed the stored further ID with the ID, as vornix-cli does with --also-id"

cp "$E2E_OUT/46-start.ini" "$folder/vornix.ini"
start_vornix
dialog=$(wait_window "$MAIN")
grep -qF "別のID：guest1" <<<"$(control_text "$MAIN" IDC_RUN_SUMMARY)" ||
    fail "the line does not name the further ID: $(control_text "$MAIN" IDC_RUN_SUMMARY)"
focus_control "$dialog" IDC_ID_COMBO
# Down selects the listed ID the box shows first (the box holds no selection yet), then the next.
press "$dialog" Down
[ "$(control_text "$MAIN" IDC_ID_COMBO)" = ronron2 ] || press "$dialog" Down
waited=0
until grep -qF "別のID：hanako_22" <<<"$(control_text "$MAIN" IDC_RUN_SUMMARY)"; do
    [ "$waited" -lt $((E2E_TIMEOUT * 10)) ] || fail "choosing ronron2 did not bring back its further ID"
    sleep 0.1; waited=$((waited + 1))
done
[ "$(control_text "$MAIN" IDC_ID_COMBO)" = ronron2 ] || fail "the ID box does not hold ronron2"
screenshot "$E2E_OUT/46-chosen.png"
choose_menu_item "$dialog" IDM_ALSO_IDS
box=$(wait_window "別のID")
[ "$(control_text "別のID" IDC_ALSO_IDS)" = hanako_22 ] || fail "the 別のID dialog shows $(control_text "別のID" IDC_ALSO_IDS)"
screenshot "$E2E_OUT/also-ids-dialog.png" "$box"
press "$box" Escape
wait_window_gone "別のID"
end_program
read_cp932 "$folder/vornix.ini" >"$E2E_OUT/46-end.ini"
grep -qxF '<KalventoID>ronron2;'"$ID"';</KalventoID>' "$E2E_OUT/46-end.ini" || fail "the ID list is not as expected"
grep -qxF '<別のID>hanako_22;</別のID>' "$E2E_OUT/46-end.ini" || fail "the chosen ID's further IDs are not stored"
grep -qxF "<別のID:$ID>guest1;</別のID>" "$E2E_OUT/46-end.ini" || fail "the other ID's further IDs are not stored"
note "the drop-down list brought back each ID's further IDs and both were stored"
