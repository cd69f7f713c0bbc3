# Sourced by the checks that run the Windows programs under Wine. A prefix of our own under the
# build folder (made anew by each run of scripts/test), a Japanese locale so that the ANSI code page
# is 932, no debug chatter, and no Mono/Gecko installer or desktop integration; Wine's own browser
# launcher and text editor are disabled: the prefix never launches a browser or another program of
# its own.
ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export WINEPREFIX="$ROOT/build/wine-prefix"
export WINEARCH=win64
export WINEDEBUG=-all
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d;winebrowser.exe=d;notepad.exe=d"
WINDOWS_BUILD="$ROOT/build/windows"
NATIVE_BUILD="$ROOT/build/native"
# The version of the Windows build (project() in CMakeLists.txt) and so the main dialog's caption.
VORNIX_VERSION=$(cat "$WINDOWS_BUILD/version.txt") || { echo "configure the windows preset first" >&2; exit 1; }
MAIN_CAPTION="Vornix Ver. $VORNIX_VERSION"

# Creates the prefix once; later calls return at once.
wine_init() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
    fi
}

# The Windows form of a path inside the prefix's drive_c, e.g. wine_path "$WINEPREFIX/drive_c/x".
wine_path() {
    winepath -w "$1" 2>/dev/null
}
