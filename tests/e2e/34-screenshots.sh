#!/usr/bin/env bash
# Pictures of the main dialog and the About box under Wine, kept in build/e2e as main-dialog.png and
# about-box.png. Wine's virtual desktop draws the windows' frames and captions, which a bare Xvfb
# without a window manager would leave out. Each picture must show the window, not an empty area.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

MAIN=$MAIN_CAPTION
ABOUT="バージョン情報"
start_display
prepare_prefix
write_settings "$SAMPLE_ID;" 'C:\Kalvento\JAPANESE\Zentolog.txt' 0 20000 1 0 0

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
press "$dialog" alt+h Down Return
about=$(wait_window "$ABOUT")
screenshot "$E2E_OUT/about-box.png" "$about"
check_picture "$E2E_OUT/about-box.png" 150 120
note "pictures of the main dialog and the About box in build/e2e"

press "$about" Escape
wait_window_gone "$ABOUT"
press "$dialog" Escape
wait_window_gone "$MAIN"
