# Sourced by the checks that drive vornix.exe under Wine on a virtual X display of their own.
# Every process a check starts is recorded and ended by the EXIT trap, also when the check fails:
# the programs by their process id, the Wine processes of our own prefix with `wineserver -k`, and
# our Xvfb by its id.
#
# The shell never starts a browser or an editor here: the prefix's ".html", ".htm" and ".txt" types
# run record-open.exe (built from record-open.c), which only notes the file name in
# C:\vornix-e2e\opened.txt; wine-env.sh also disables winebrowser.exe and notepad.exe. The prefix's
# Desktop folder, which Wine links to $HOME, is made a plain folder inside the prefix. The dialogs'
# fonts ("MS UI Gothic", "ＭＳ Ｐゴシック") are drawn with the IPA fonts that scripts/setup installs,
# the frames' buttons with Wine's own fonts, which it also installs and which are copied into the
# prefix's font folder.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

E2E_OUT="$ROOT/build/e2e"              # screenshots and scratch files of the checks
E2E_TIMEOUT=${E2E_TIMEOUT:-30}         # seconds for any one wait
VORNIX_EXE="$WINDOWS_BUILD/vornix.exe"
SAMPLE_ID=$(tr -d '\r\n' <"$ROOT/examples/player-id.txt")   # the player of examples/Zentolog.txt
CHECK_NAME=$(basename "$0" .sh)
XVFB_PID=""
STARTED_PIDS=()
mkdir -p "$E2E_OUT"

fail() {
    echo "FAIL ($CHECK_NAME): $*" >&2
    if [ -n "$XVFB_PID" ]; then screenshot "$E2E_OUT/$CHECK_NAME-failure.png" 2>/dev/null || true; fi
    exit 1
}

note() {
    echo "  $CHECK_NAME: $*"
}

cleanup() {
    local pid
    for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
}
trap cleanup EXIT

# Starts Xvfb on a display number it finds free itself (its screen E2E_SCREEN, 800x600x24 unless
# set), and exports DISPLAY.
start_display() {
    local numberFile="$E2E_OUT/$CHECK_NAME.display" waited=0
    rm -f "$numberFile"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-800x600x24}" -nolisten tcp 3>"$numberFile" 2>/dev/null &
    XVFB_PID=$!
    until [ -s "$numberFile" ]; do
        kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start"
        [ "$waited" -lt $((E2E_TIMEOUT * 10)) ] || fail "Xvfb gave no display number"
        sleep 0.1; waited=$((waited + 1))
    done
    export DISPLAY=":$(tr -dc 0-9 <"$numberFile")"
}

# Creates the prefix (once per test run) and makes it safe for the checks.
prepare_prefix() {
    wine_init
    local marker="$WINEPREFIX/.vornix-e2e" folder="$WINEPREFIX/drive_c/vornix-e2e" desktop helper
    # The helpers are built anew whenever their source is newer, also in a prefix made before.
    mkdir -p "$folder"
    for helper in record-open window-text; do
        [ "$folder/$helper.exe" -nt "$ROOT/tests/e2e/$helper.c" ] && continue
        x86_64-w64-mingw32-gcc-posix -mwindows -o "$folder/$helper.exe" "$ROOT/tests/e2e/$helper.c" -lshell32 ||
            fail "could not build $helper.exe"
    done
    [ -f "$marker" ] && return 0
    # This Wine build does not look into its own font folder: Marlett, which draws the frame's
    # buttons, and the other fonts of Wine are copied into the Windows font folder.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" ||
        fail "Wine's fonts are missing: run scripts/setup"
    iconv -f UTF-8 -t CP932 >"$folder/prefix.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS UI Gothic"="IPAPGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"MS Gothic"="IPAGothic"

[HKEY_CLASSES_ROOT\.html]
@="htmlfile"

[HKEY_CLASSES_ROOT\.htm]
@="htmlfile"

[HKEY_CLASSES_ROOT\.txt]
@="txtfile"

[HKEY_CLASSES_ROOT\htmlfile\shell\open\command]
@="\"C:\\vornix-e2e\\record-open.exe\" \"%1\""

[HKEY_CLASSES_ROOT\txtfile\shell\open\command]
@="\"C:\\vornix-e2e\\record-open.exe\" \"%1\""
REG
    wine regedit /S 'C:\vornix-e2e\prefix.reg' >/dev/null 2>&1 || fail "regedit failed"
    wineserver -w
    for desktop in "$WINEPREFIX"/drive_c/users/*/Desktop; do
        if [ -L "$desktop" ]; then rm -f "$desktop" && mkdir -p "$desktop"; fi
    done
    touch "$marker"
}

# The prefix's application-data folder (the Windows user's AppData\Roaming), as a Unix path.
appdata_folder() {
    local users="$WINEPREFIX/drive_c/users" user
    for user in "$users"/*; do
        [ "$(basename "$user")" = Public ] && continue
        [ -d "$user/AppData/Roaming" ] && { echo "$user/AppData/Roaming"; return 0; }
    done
    fail "no AppData\\Roaming in the prefix"
}

# The program's folder in the prefix: AppData\Roaming\vornix.
vornix_folder() {
    echo "$(appdata_folder)/vornix"
}

# The start of a check of the Windows program: a display and the prefix; sets ID to the sample log's
# player and folder to the program's settings folder.
begin_wine_check() {
    ID=$SAMPLE_ID
    start_display
    prepare_prefix
    folder=$(vornix_folder)
}

# Files the shell was asked to open since the last clear_opened, one per line (UTF-8, no CR).
opened_files() {
    local log="$WINEPREFIX/drive_c/vornix-e2e/opened.txt"
    [ -f "$log" ] && iconv -f CP932 -t UTF-8 "$log" | tr -d '\r'
    return 0
}

# Waits until the shell has been asked to open a file whose name matches the pattern (grep -E).
wait_opened() {
    local waited=0
    until opened_files | grep -qE "$1"; do
        [ "$waited" -lt $((E2E_TIMEOUT * 10)) ] || fail "the shell was not asked to open $1"
        sleep 0.1; waited=$((waited + 1))
    done
}

clear_opened() {
    rm -f "$WINEPREFIX/drive_c/vornix-e2e/opened.txt"
}

# Writes UTF-8 text from stdin to a file in code page 932 with CR LF line ends.
write_cp932() {
    sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$1" || fail "could not write $1"
}

# Writes a fresh program folder holding a vornix.ini of the seven settings, and the trend-chart line
# when TRENDS is 1, as the program writes it:
# write_settings "ID1;ID2;" LOG_PATH MIN MAX SAVE_ON_EXIT ON_DESKTOP SCHEME [TRENDS]. Prints nothing.
write_settings() {
    local folder
    folder=$(vornix_folder)
    rm -rf "$folder"
    mkdir -p "$folder"
    {
        cat <<INI
<KalventoID>$1</KalventoID>
<牌譜ファイル>$2</牌譜ファイル>
<最低レート>$3</最低レート>
<最高レート>$4</最高レート>
<設定保存>$5</設定保存>
<デスクトップ保存>$6</デスクトップ保存>
<配色>$7</配色>
INI
        if [ "${8:-0}" = 1 ]; then echo '<推移グラフ>1</推移グラフ>'; fi
    } | write_cp932 "$folder/vornix.ini"
}

# Prints a code page 932 file as UTF-8 without CR.
read_cp932() {
    iconv -f CP932 -t UTF-8 "$1" | tr -d '\r'
}

# Prints the controls of the top-level window with this title, one per line: id, tab, text (UTF-8).
window_texts() {
    local file="$WINEPREFIX/drive_c/vornix-e2e/window-text.txt"
    rm -f "$file"
    wine 'C:\vornix-e2e\window-text.exe' "$1" >/dev/null 2>&1 || fail "no window titled '$1' to read"
    read_cp932 "$file"
}

# Prints the title of the owner of the top-level window with this title, a tab, and 1 when that
# owner is enabled, 0 when it is disabled ("", tab, 1 for a window without an owner).
window_owner() {
    local file="$WINEPREFIX/drive_c/vornix-e2e/window-text.txt"
    rm -f "$file"
    wine 'C:\vornix-e2e\window-text.exe' "$1" owner >/dev/null 2>&1 || fail "no window titled '$1' to ask"
    read_cp932 "$file" | cut -f 2-
}

# The checks name controls and menu commands as the program's sources do: the ids come from
# resource.h, the menu's layout from the resource script.
RESOURCE_H=${RESOURCE_H:-$ROOT/src/ui/resource.h}
MENU_RC=${MENU_RC:-$ROOT/src/ui/vornix.rc}

# control_id NAME: prints the number resource.h defines for a control or command (IDC_..., IDM_...);
# fails, naming it, on a name it does not define.
control_id() {
    local id
    id=$(awk -v name="$1" '$1 == "#define" && $2 == name && $3 ~ /^[0-9]+$/ { print $3; exit }' "$RESOURCE_H")
    [ -n "$id" ] || fail "resource.h defines no id $1"
    echo "$id"
}

# menu_item_keys NAME: prints the keys (xdotool names) that choose the command NAME from the main
# dialog's menu in the resource script: the access key of the menu that holds it ("設定(&O)": alt+o),
# Down once for every item above it (separators are skipped, as the keyboard skips them; greyed items
# count), then Return. Fails on a command the menu does not hold, or holds in a submenu.
menu_item_keys() {
    local keys
    keys=$(awk -v name="$1" '
        function strip(line) { gsub(/"([^"]|"")*"/, "\"\"", line); return line }
        { line = $0; sub(/\r$/, "", line); sub(/^[ \t]+/, "", line) }
        !inMenu { if (line ~ /^IDR_MENU[ \t]+MENU/) inMenu = 1; next }
        line ~ /^BEGIN([ \t]|$)/ { depth++; next }
        line ~ /^END([ \t]|$)/ { if (--depth == 0) exit; next }
        line ~ /^POPUP[ \t]/ && depth == 1 {
            key = ""
            if (match(line, /&[A-Za-z0-9]/)) key = tolower(substr(line, RSTART + 1, 1))
            above = 0; next
        }
        line ~ /^POPUP[ \t]/ && depth == 2 { above++; next }
        line ~ /^MENUITEM[ \t]+SEPARATOR/ { next }
        line ~ /^MENUITEM[ \t]/ {
            split(strip(line), field, ",")
            id = field[2]; gsub(/[ \t]/, "", id)
            if (id == name && depth == 2 && key != "") {
                keys = "alt+" key
                for (i = 0; i < above; i++) keys = keys " Down"
                print keys " Return"; exit
            }
            if (depth == 2) above++
        }' "$MENU_RC")
    [ -n "$keys" ] || fail "the menu of $(basename "$MENU_RC") holds no item $1 under a menu with an access key"
    echo "$keys"
}

# choose_menu_item WINDOW NAME [PICTURE]: chooses the command NAME from the menu of the dialog (its X
# window id), as the keyboard does; with PICTURE, a screenshot of the open menu, the item
# highlighted, is taken before Return.
choose_menu_item() {
    local keys
    keys=$(menu_item_keys "$2") || exit 1
    read -ra keys <<<"$keys"
    if [ -n "${3:-}" ]; then
        press "$1" "${keys[@]:0:${#keys[@]}-1}"
        screenshot "$3"
        press "$1" Return
    else
        press "$1" "${keys[@]}"
    fi
}

# focus_control WINDOW NAME: puts the keyboard focus into the control NAME of the dialog (its X
# window id) as the Tab key would: the text of an edit box is selected, a push button becomes the
# default one.
focus_control() {
    local title id
    title=$(xdotool getwindowname "$1") || fail "no window $1 to give the focus to $2"
    id=$(control_id "$2") || exit 1
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
    wine 'C:\vornix-e2e\window-text.exe' "$title" focus "$id" >/dev/null 2>&1 || fail "no control $2 in '$title'"
    sleep 0.3
}

# click_control WINDOW NAME: clicks into the middle of the control NAME of the dialog (its X window id).
click_control() {
    local title id file="$WINEPREFIX/drive_c/vornix-e2e/window-text.txt" x y
    title=$(xdotool getwindowname "$1") || fail "no window $1 to click $2 in"
    id=$(control_id "$2") || exit 1
    rm -f "$file"
    wine 'C:\vornix-e2e\window-text.exe' "$title" centre "$id" >/dev/null 2>&1 || fail "no control $2 in '$title'"
    read -r x y < <(tr -d '\r' <"$file" | cut -f 2,3)
    xdotool mousemove --sync "$x" "$y" click 1
    sleep 0.5
}

# set_control_text TITLE NAME TEXT: gives the control NAME in the window with this title a text
# (UTF-8), as if it were typed.
set_control_text() {
    local id
    id=$(control_id "$2") || exit 1
    wine 'C:\vornix-e2e\window-text.exe' "$1" "$id" "$3" >/dev/null 2>&1 || fail "no control $2 in '$1'"
}

# control_text TITLE NAME: prints the text of the control NAME in the window with this title.
control_text() {
    local id
    id=$(control_id "$2") || exit 1
    window_texts "$1" | awk -F '\t' -v id="$id" '$1 == id { print $2; exit }'
}

# Starts vornix.exe with the given switches from the folder given by VORNIX_CWD (default: the build
# folder, where Readme.txt lies); its process id goes to VORNIX_PID.
start_vornix() {
    (cd "${VORNIX_CWD:-$WINDOWS_BUILD}" && exec wine "$VORNIX_EXE" "$@") >/dev/null 2>&1 &
    VORNIX_PID=$!
    STARTED_PIDS+=("$VORNIX_PID")
}

# Waits for vornix.exe to end and puts its exit code in VORNIX_EXIT.
wait_vornix_exit() {
    local waited=0
    while kill -0 "$VORNIX_PID" 2>/dev/null; do
        [ "$waited" -lt $((E2E_TIMEOUT * 10)) ] || fail "vornix.exe did not end within ${E2E_TIMEOUT}s"
        sleep 0.1; waited=$((waited + 1))
    done
    VORNIX_EXIT=0
    wait "$VORNIX_PID" || VORNIX_EXIT=$?
}

# Ends the program from the dialog $dialog with a key (Escape unless given) and expects exit code 0.
end_program() {
    press "$dialog" "${1:-Escape}"
    wait_vornix_exit
    [ "$VORNIX_EXIT" = 0 ] || fail "exit code $VORNIX_EXIT after ${1:-Escape}, expected 0"
}

# Prints the id of the visible window whose title is exactly the text, waiting for it to appear.
wait_window() {
    local title=$1 waited=0 id
    while :; do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        [ "$waited" -lt $((E2E_TIMEOUT * 10)) ] || fail "no window titled '$title' within ${E2E_TIMEOUT}s"
        sleep 0.1; waited=$((waited + 1))
    done
}

# Waits until no visible window has exactly this title.
wait_window_gone() {
    local title=$1 waited=0
    while xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; do
        [ "$waited" -lt $((E2E_TIMEOUT * 10)) ] || fail "window '$title' still open after ${E2E_TIMEOUT}s"
        sleep 0.1; waited=$((waited + 1))
    done
}

# Waits until a file exists and is not empty.
wait_file() {
    local file=$1 waited=0
    until [ -s "$file" ]; do
        [ "$waited" -lt $((E2E_TIMEOUT * 10)) ] || fail "$file did not appear within ${E2E_TIMEOUT}s"
        sleep 0.1; waited=$((waited + 1))
    done
}

# Gives the window the keyboard focus and sends it key presses (xdotool key names).
press() {
    local window=$1
    shift
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers --delay 80 "$@"
    sleep 0.3
}

# Clicks at a point of the window (pixels from its top left corner).
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.5
}

# Types text into the focused control of the window.
type_text() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
    xdotool type --delay 60 -- "$2"
    sleep 0.3
}

# Saves a picture of one window (or of the whole screen with "root") as PNG.
screenshot() {
    local file=$1 window=${2:-root}
    sleep 0.5
    import -window "$window" "$file" 2>/dev/null || fail "screenshot $file failed"
}
