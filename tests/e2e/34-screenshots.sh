#!/usr/bin/env bash
# Pictures of the main dialog and the About box under Wine, kept in build/e2e as main-dialog.png and
# about-box.png. Wine's virtual desktop draws the windows' frames and captions, which a bare Xvfb
# without a window manager would leave out. Each picture must show the window, not an empty area.
# The main dialog is taken at a first start (docs/dialog.png is this picture: the maximum rate 20000
# whole, the log path scrolled to its file name), and again at 144 DPI with the rates -20000 and
# 20000 as main-dialog-144dpi.png.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
ABOUT="バージョン情報"
start_display
prepare_prefix
rm -rf "$(vornix_folder)"

# A picture of a window of at least this size with enough colours to be more than a blank frame.
check_picture() {
    local file=$1 width height colours
    read -r width height colours < <(identify -format '%w %h %k\n' "$file")
    [ "$width" -ge "$2" ] && [ "$height" -ge "$3" ] || fail "$file is only ${width}x${height}"
    [ "$colours" -ge 8 ] || fail "$file shows almost nothing ($colours colours)"
}

(cd "$WINDOWS_BUILD" && exec wine explorer /desktop=vornix-e2e,640x480 "$VORNIX_EXE") >/dev/null 2>&1 &
STARTED_PIDS+=("$!")
VORNIX_PID=$!
dialog=$(wait_window "$MAIN")
screenshot "$E2E_OUT/main-dialog.png" "$dialog"
check_picture "$E2E_OUT/main-dialog.png" 200 250
choose_menu_item "$dialog" IDM_ABOUT
about=$(wait_window "$ABOUT")
screenshot "$E2E_OUT/about-box.png" "$about"
check_picture "$E2E_OUT/about-box.png" 150 120
note "pictures of the main dialog and the About box in build/e2e"

press "$about" Escape
wait_window_gone "$ABOUT"
press "$dialog" Escape
wait_window_gone "$MAIN"
wineserver -w

# The dots per inch of the screen, in the two places Wine reads them.
set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 &&
        wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
            /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 || fail "could not set $1 DPI"
    wineserver -w
}
set_dpi 144
write_settings "$SAMPLE_ID;" 'C:\Kalvento\JAPANESE\Zentolog.txt' -20000 20000 1 0 0
(cd "$WINDOWS_BUILD" && exec wine explorer /desktop=vornix-e2e,800x600 "$VORNIX_EXE") >/dev/null 2>&1 &
STARTED_PIDS+=("$!")
VORNIX_PID=$!
dialog=$(wait_window "$MAIN")
screenshot "$E2E_OUT/main-dialog-144dpi.png" "$dialog"
check_picture "$E2E_OUT/main-dialog-144dpi.png" 300 375
press "$dialog" Escape
wait_window_gone "$MAIN"
wineserver -w
set_dpi 96
note "a picture of the main dialog at 144 DPI in build/e2e"
