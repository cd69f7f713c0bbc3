#!/usr/bin/env bash
# The Windows build of vornix-cli, run under Wine, writes the same files as the native build for the
# same log, ID, range and scheme. Only two lines of the report may differ: the links (they name the
# output folder, a Windows path on one side and a file URL on the other) and the processing time.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

log="$ROOT/examples/Zentolog.txt"
id=$(cat "$ROOT/examples/player-id.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/native" "$work/windows"

wine_init

# Scheme 2 with the progress option: its charts' coordinates and the monthly table must match too.
for scheme in 0 2; do
    rm -rf "$work/native"/* "$work/windows"/*
    trends=()
    [ "$scheme" = 2 ] && trends=(--trends)
    "$NATIVE_BUILD/vornix-cli" --log "$log" --id "$id" --min 0 --max 20000 --scheme "$scheme" \
        "${trends[@]}" --out "$work/native" >/dev/null
    wine "$WINDOWS_BUILD/vornix-cli.exe" --log "$(wine_path "$log")" --id "$id" --min 0 --max 20000 \
        --scheme "$scheme" "${trends[@]}" --out "$(wine_path "$work/windows")" >/dev/null

    native_files=$(cd "$work/native" && ls | sort)
    windows_files=$(cd "$work/windows" && ls | sort)
    if [ "$native_files" != "$windows_files" ] || [ -z "$native_files" ]; then
        echo "FAIL: different files (scheme $scheme): native [$native_files] windows [$windows_files]"
        exit 1
    fi
    while IFS= read -r name; do
        a="$work/native/$name"
        b="$work/windows/$name"
        case "$name" in
            *.html)
                if ! diff <(grep -av -e 'file://' -e 'Data processing time' "$a") \
                          <(grep -av -e 'file://' -e 'Data processing time' "$b") >/dev/null; then
                    echo "FAIL: $name differs between the native and the Windows build (scheme $scheme)"
                    exit 1
                fi ;;
            *)
                if ! cmp -s "$a" "$b"; then
                    echo "FAIL: $name differs between the native and the Windows build (scheme $scheme)"
                    exit 1
                fi ;;
        esac
    done <<< "$native_files"
done
echo "vornix-cli under Wine writes the same files as the native build"
