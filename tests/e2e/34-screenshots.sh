#!/usr/bin/env bash
# Pictures of the main dialog and the About box under Wine, kept in build/e2e as main-dialog.png and
# about-box.png. Wine's virtual desktop draws the windows' frames and captions, which a bare Xvfb
# without a window manager would leave out. Each picture must show the window, not an empty area.
# The main dialog is taken at a first start (docs/dialog.png is this picture: the maximum rate 20000
# whole, the log path scrolled to its file name), and again at 144 DPI with the rates -20000 and
# 20000, conditions and an option on (the line above the buttons) as main-dialog-144dpi.png, with its
# 分析条件 dialog, the log missing, as conditions-dialog-144dpi.png.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
ABOUT="バージョン情報"
E2E_SCREEN=1024x900x24   # room for the dialog with its line at 144 DPI
start_display
prepare_prefix
rm -rf "$(vornix_folder)"

# Starts the program on a Wine virtual desktop of this size (which draws the frames) and sets dialog.
start_on_desktop() {
    (cd "$WINDOWS_BUILD" && exec wine explorer /desktop=vornix-e2e,"$1" "$VORNIX_EXE") >/dev/null 2>&1 &
    STARTED_PIDS+=("$!")
    VORNIX_PID=$!
    dialog=$(wait_window "$MAIN")
}

# A picture of a window of at least this size with enough colours to be more than a blank frame.
check_picture() {
    local file=$1 width height colours
    read -r width height colours < <(identify -format '%w %h %k\n' "$file")
    [ "$width" -ge "$2" ] && [ "$height" -ge "$3" ] || fail "$file is only ${width}x${height}"
    [ "$colours" -ge 8 ] || fail "$file shows almost nothing ($colours colours)"
}

start_on_desktop 640x480
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
write_settings "$SAMPLE_ID;" 'C:\Kalvento\JAPANESE\Zentolog.txt' -20000 20000 1 0 0 1
printf '%s\n' '<開始日>2024/01/15</開始日>' '<終了日>2024/02/29</終了日>' '<ロビー>上級ロビー;</ロビー>' '<対局>2</対局>' \
    '<人数>4</人数>' | write_cp932 "$E2E_OUT/34-conditions.ini"
cat "$E2E_OUT/34-conditions.ini" >>"$(vornix_folder)/vornix.ini"
start_on_desktop 1000x880
screenshot "$E2E_OUT/main-dialog-144dpi.png" "$dialog"
choose_menu_item "$dialog" IDM_CONDITIONS
conditions=$(wait_window "分析条件")
screenshot "$E2E_OUT/conditions-dialog-144dpi.png" "$conditions"
check_picture "$E2E_OUT/main-dialog-144dpi.png" 300 400
check_picture "$E2E_OUT/conditions-dialog-144dpi.png" 400 500
press "$conditions" Escape
press "$dialog" Escape
wait_window_gone "$MAIN"
wineserver -w
set_dpi 96
note "pictures of the main dialog and of 分析条件 at 144 DPI in build/e2e"
