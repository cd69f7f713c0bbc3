#!/usr/bin/env bash
# The release zip of the Windows build: vornix.exe, vornix-cli.exe and Readme.txt, the user guide in
# code page 932 with CR LF; the programs need no DLL beyond those of Windows itself, and vornix-cli.exe
# none of the window libraries.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

fail() {
    echo "FAIL (35-package): $*" >&2
    exit 1
}

cmake --build "$WINDOWS_BUILD" --target package >/dev/null || fail "the package target failed"
zip=$(ls "$WINDOWS_BUILD"/vornix-*-win64.zip 2>/dev/null | head -n 1)
[ -n "$zip" ] || fail "no zip in $WINDOWS_BUILD"
listing=$(cd "$WINDOWS_BUILD" && cmake -E tar tf "$zip") || fail "cannot list $zip"
for name in vornix.exe vornix-cli.exe Readme.txt; do
    grep -qE "(^|/)$name\$" <<<"$listing" || fail "$name is missing in $zip"
done
[ "$(grep -cvE '/$' <<<"$listing")" = 3 ] || fail "$zip holds more than the three files: $listing"

readme="$WINDOWS_BUILD/Readme.txt"
iconv -f CP932 -t UTF-8 "$readme" >/dev/null || fail "Readme.txt is not code page 932 text"
[ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] || fail "Readme.txt has lines without CR LF"

for exe in vornix.exe vornix-cli.exe; do
    x86_64-w64-mingw32-objdump -p "$WINDOWS_BUILD/$exe" | sed -n 's/^\s*DLL Name: //p' |
        tr 'A-Z' 'a-z' >"$WINDOWS_BUILD/$exe.dlls"
    extra=$(grep -vxE 'kernel32\.dll|user32\.dll|gdi32\.dll|comdlg32\.dll|comctl32\.dll|shell32\.dll|ole32\.dll|imm32\.dll|msvcrt\.dll|advapi32\.dll|api-ms-win-.*\.dll' \
        "$WINDOWS_BUILD/$exe.dlls" || true)
    [ -z "$extra" ] || fail "$exe needs DLLs that Windows does not ship: $extra"
done
# The console program starts without the window and shell libraries (each costs its load at start).
window=$(grep -xE 'user32\.dll|shell32\.dll|ole32\.dll|gdi32\.dll|comctl32\.dll' "$WINDOWS_BUILD/vornix-cli.exe.dlls" || true)
[ -z "$window" ] || fail "vornix-cli.exe loads $window"
echo "  35-package: $(basename "$zip") holds vornix.exe, vornix-cli.exe and Readme.txt"
