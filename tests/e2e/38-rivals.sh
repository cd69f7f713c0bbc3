#!/usr/bin/env bash
# The option "対戦相手別の成績も作成する" under Wine: chosen from the 設定 menu it is checked, adds its
# line to vornix.ini at Esc and is read as on at the next start, where choosing it again turns it off
# and the file is the seven lines again, byte for byte. Stored in vornix.ini, "-e -q" writes the page
# of each opponent, and the report's opponent names link into its anchors.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

begin_wine_check
clear_opened

stored() {
    read_cp932 "$folder/vornix.ini"
}

# The menu item toggles and survives a restart.
write_settings "$ID;" 'C:\logs\a.txt' 0 20000 1 0 0
cp "$folder/vornix.ini" "$E2E_OUT/38-off.ini"
start_vornix
dialog=$(wait_window "$MAIN_CAPTION")
choose_menu_item "$dialog" IDM_RIVALS
end_program
[ "$(stored | tail -n 1)" = '<対戦相手別>1</対戦相手別>' ] || fail "turned on: vornix.ini is $(stored)"
[ "$(stored | wc -l)" = 8 ] || fail "turned on: vornix.ini is $(stored)"
start_vornix
dialog=$(wait_window "$MAIN_CAPTION")
choose_menu_item "$dialog" IDM_RIVALS "$E2E_OUT/38-menu-rivals-on.png"
end_program
cmp -s "$folder/vornix.ini" "$E2E_OUT/38-off.ini" || fail "turned off again: vornix.ini is $(stored)"
note "対戦相手別の成績も作成する toggled and was kept through vornix.ini"

# The stored option: -e -q writes the page, and the report links into it.
cp "$ROOT/examples/Zentolog.txt" "$WINEPREFIX/drive_c/Zentolog.txt"
write_settings "$ID;" 'C:\Zentolog.txt' 0 20000 1 0 0
printf '<対戦相手別>1</対戦相手別>\r\n' | iconv -f UTF-8 -t CP932 >>"$folder/vornix.ini"
start_vornix -e -q
wait_vornix_exit
[ "$VORNIX_EXIT" = 0 ] || fail "with the option: exit code $VORNIX_EXIT, expected 0"
page="$folder/${ID}_対戦相手別.html"
[ -s "$page" ] || fail "with the option: ${ID}_対戦相手別.html is missing in the program folder"
read_cp932 "$page" | grep -o '<h3 id="r[0-9a-f]*">' | sed 's/.*id="\(r[0-9a-f]*\)".*/\1/' | sort >"$E2E_OUT/38-anchors.txt"
read_cp932 "$folder/分析結果.html" | grep -o "${ID}_対戦相手別\.html#r[0-9a-f]*\"" |
    sed 's/.*#\(r[0-9a-f]*\)"/\1/' | sort -u >"$E2E_OUT/38-links.txt"
[ -s "$E2E_OUT/38-links.txt" ] || fail "with the option: the report's names link nowhere"
cmp -s "$E2E_OUT/38-anchors.txt" "$E2E_OUT/38-links.txt" || fail "the report's links and the page's anchors differ"
grep -qF ">対戦相手別の成績</a>" <(read_cp932 "$folder/分析結果.html") || fail "no download link to the page"
note "with the option stored, -e -q wrote the page and the report links into its $(wc -l <"$E2E_OUT/38-links.txt") anchors"

# An ID with "#" and "%": every link of the report resolves to its file, and a name's to an anchor.
"$NATIVE_BUILD/tests/tools/vornix-loggen" --games 300 --opponents 40 --player 'No#1%' "$WINEPREFIX/drive_c/hash.txt"
write_settings "No#1%;" 'C:\hash.txt' 0 20000 1 0 0
printf '<対戦相手別>1</対戦相手別>\r\n' | iconv -f UTF-8 -t CP932 >>"$folder/vornix.ini"
start_vornix -e -q
wait_vornix_exit
python3 - "$WINEPREFIX/drive_c" "$folder/分析結果.html" <<'PY' || fail "the ID No#1%: exit code $VORNIX_EXIT, or a link resolves to nothing"
import os, re, sys, urllib.parse
def target(path):
    # An absolute link from the drive, a relative one from the report's folder.
    absolute = path.startswith(b'file:///C:')
    name = urllib.parse.unquote_to_bytes(path[10:] if absolute else path).replace(b'\\', b'/').decode('cp932')
    return open(sys.argv[1] + name if absolute else os.path.join(os.path.dirname(sys.argv[2]), name), 'rb').read()
links = re.findall(rb'href="((?:file:///C:)?[^"#]+)#?([^"]*)"', open(sys.argv[2], 'rb').read())
assert len(links) > 3 and all(b'id="' + anchor + b'"' in target(path) if anchor else target(path) for path, anchor in links)
PY
[ "$VORNIX_EXIT" = 0 ] || fail "the ID No#1%: exit code $VORNIX_EXIT, expected 0"
note "the ID No#1%: every link of the report resolves"
