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

# Scheme 2 with the progress option: its charts' coordinates and the monthly table must match too;
# scheme 3 with 詳しい成績 and the page of each opponent: the summary, the latest games, the page and
# the relative links between it and the report.
for scheme in 0 2 3; do
    rm -rf "$work/native"/* "$work/windows"/*
    trends=()
    [ "$scheme" = 2 ] && trends=(--trends)
    [ "$scheme" = 3 ] && trends=(--details --rivals)
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

# Both builds refuse alike, with exit code 2 and the same message, an ID longer than 15 bytes of
# code page 932 (it used to be cut inside a character on Windows only) and an ID a file name can't
# hold; an ID whose second bytes are 0x5C and 0x7C ("ソポ表") is a file name like any other.
run_both() {   # "exit code, message" of the native and the Windows run, the latter read as code page 932
    local code=0 err
    err=$("$NATIVE_BUILD/vornix-cli" --log "$log" --id "$1" --out "$work/native" 2>&1 >/dev/null) || code=$?
    native="$code $err"
    code=0
    wine "$WINDOWS_BUILD/vornix-cli.exe" --log "$(wine_path "$log")" --id "$1" \
        --out "$(wine_path "$work/windows")" 2>"$work/err" >/dev/null || code=$?
    windows="$code $(iconv -f CP932 -t UTF-8 "$work/err" | tr -d '\r')"
}
for id in "あいうえおかきく" "a:b" 'x\y' "a*"; do
    run_both "$id"
    if [ "$native" != "$windows" ] || [ "${native%% *}" != 2 ]; then
        echo "FAIL: the ID $id: native [$native] windows [$windows], expected the same refusal with exit code 2"
        exit 1
    fi
done
# Bytes that are no characters used to pass after a first byte: $'\x81/x' wrote into a subfolder,
# $'\x81\nq' a file name with a line feed, $'abc\x81' lost the table name's "_". Native vornix-cli
# refuses them as no text of the terminal; under Wine they come to vornix-cli.exe as other characters
# than the terminal gave, and the ID rule refuses those. Both end with exit code 2 and write nothing.
for id in $'\x81/x' $'\x85\\y' $'\x81\nq' $'abc\x81' $'\x81\x7f'; do
    rm -rf "$work/native"/* "$work/windows"/*
    run_both "$id"
    if [ "${native%% *}" != 2 ] || [ "${windows%% *}" != 2 ] || [ -n "$(find "$work/native" "$work/windows" -mindepth 1)" ]; then
        echo "FAIL: the ID $(printf '%q' "$id"): native [$native] windows [$windows]: $(find "$work/native" "$work/windows" -mindepth 1)"
        exit 1
    fi
done
code=0
wine "$WINDOWS_BUILD/vornix-cli.exe" --log NUL --id x 2>"$work/err" >/dev/null || code=$?
if [ "$code $(iconv -f CP932 -t UTF-8 "$work/err" | tr -d '\r')" != "2 エラー: 牌譜ファイルが開けません" ]; then
    echo "FAIL: the device NUL was taken for a log (exit code $code)"
    exit 1
fi
rm -rf "$work/native"/* "$work/windows"/*
log="$work/sopo.txt"
printf '<一般ロビー(点100)：卓01>\r\n 1:対局\r\n[2024/03/15 21:05]\r\n#ソポ表 初段\r\n#A 初段\r\n#B 初段\r\n#C 初段\r\n>1     +30 2     +10 3     -15 4     -25 \r\n' |
    iconv -f UTF-8 -t CP932 >"$log"
run_both "ソポ表"
if [ "$native" != "0 " ] || [ "$windows" != "0 " ] || [ "$(ls "$work/native")" != "$(ls "$work/windows")" ] ||
   [ ! -e "$work/windows/ソポ表_戦績.xls" ]; then
    echo "FAIL: the ID ソポ表: native [$native] windows [$windows]: $(ls "$work/native") / $(ls "$work/windows")"
    exit 1
fi

# A run without games, a refused range and a folder in the way of a table: both builds end alike and
# leave the previous files byte for byte, with no file beside them.
log="$ROOT/examples/Zentolog.txt"
player=$(cat "$ROOT/examples/player-id.txt")
previous() {   # the previous run's three files in both folders, and one planted folder
    rm -rf "$work/native"/* "$work/windows"/*
    for side in native windows; do
        for name in "${player}_戦績.xls" "${player}_ID別集計.xls" 分析結果.html; do printf 'previous\r\n' >"$work/$side/$name"; done
        mkdir "$work/$side/${player}_月別集計.xls"
    done
}
for arguments in "--id Nobody" "--id $player --min 500 --max 10" "--id $player --trends"; do
    previous
    code=0
    "$NATIVE_BUILD/vornix-cli" --log "$log" $arguments --out "$work/native" >/dev/null 2>&1 || code=$?
    native="$code"
    code=0
    wine "$WINDOWS_BUILD/vornix-cli.exe" --log "$(wine_path "$log")" $arguments \
        --out "$(wine_path "$work/windows")" >/dev/null 2>&1 || code=$?
    windows="$code"
    expected=2
    [ "$arguments" = "--id $player --trends" ] && expected=3
    if [ "$native" != "$expected" ] || [ "$windows" != "$expected" ]; then
        echo "FAIL: $arguments: exit codes native $native, windows $windows, expected $expected"
        exit 1
    fi
    for side in native windows; do
        [ "$(ls "$work/$side" | wc -l)" = 4 ] || { echo "FAIL: $arguments: files appeared: $(ls "$work/$side")"; exit 1; }
        [ "$expected" = 3 ] && continue
        for name in "${player}_戦績.xls" "${player}_ID別集計.xls" 分析結果.html; do
            [ "$(cat "$work/$side/$name")" = $'previous\r' ] || { echo "FAIL: $arguments: $side replaced $name"; exit 1; }
        done
    done
done

echo "vornix-cli under Wine writes the same files as the native build and refuses the same arguments"
