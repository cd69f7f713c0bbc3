#!/usr/bin/env bash
# A real browser reads the page of each opponent: headless Chromium loads the sample log's page on
# each colour scheme; its DOM holds a section per opponent with its anchor and chart, and a picture of
# the first section (build/e2e/rivals-scheme*.png) shows the balance line in the scheme's colour.
set -euo pipefail
ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
CLI="$ROOT/build/native/vornix-cli"
CHROMIUM=${CHROMIUM:-/usr/bin/chromium}
WORK=$(mktemp -d /tmp/vornix-rivals-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
export LC_ALL=C.UTF-8
E2E_OUT="$ROOT/build/e2e"
mkdir -p "$E2E_OUT"
id=$(tr -d '\r\n' <"$ROOT/examples/player-id.txt")
plus_colours=("#436EEE" "#0000bb" "#00ffff" "#1874cd")

fail() {
    echo "FAIL (43-rivals-browser): $*" >&2
    exit 1
}

[ -x "$CLI" ] || fail "$CLI is missing; build the native preset first"
[ -x "$CHROMIUM" ] || fail "$CHROMIUM is missing; run scripts/setup"

source "$ROOT/tests/e2e/browser.sh"

for scheme in 0 1 2 3; do
    out="$WORK/scheme$scheme"
    mkdir -p "$out"
    "$CLI" --log "$ROOT/examples/Zentolog.txt" --id "$id" --out "$out" --scheme "$scheme" --rivals >/dev/null ||
        fail "vornix-cli --rivals failed on scheme $scheme"
    page="$out/${id}_対戦相手別.html"
    headless_chromium "$page" --dump-dom >"$out.dom"
    sections=$(grep -o '<h3 id="r[0-9a-f]*">☆ [^<]*さんとの対戦成績 ☆</h3>' "$out.dom" | wc -l)
    [ "$sections" -gt 0 ] || fail "no section in the DOM of the page (scheme $scheme)"
    [ "$(grep -o '<svg ' "$out.dom" | wc -l)" -eq "$sections" ] || fail "a section lacks its chart (scheme $scheme)"
    headless_chromium "$out/分析結果.html" --dump-dom >"$out.report.dom"
    grep -qF ">対戦相手別の成績</a>" "$out.report.dom" || fail "no link to the page (scheme $scheme)"

    # The head and the first section alone, in the page's own bytes.
    iconv -f CP932 -t UTF-8 "$page" |
        awk '/<h3 id="r/ && ++n == 2 { done = 1 } !done { print } END { print "</body></html>" }' | iconv -f UTF-8 -t CP932 >"$out/first.html"
    headless_chromium "$out/first.html" --window-size=800,900 --screenshot="$E2E_OUT/rivals-scheme$scheme.png" >/dev/null
    lit=$(convert "$E2E_OUT/rivals-scheme$scheme.png" -fill black +opaque "${plus_colours[$scheme]}" \
        -fill white -opaque "${plus_colours[$scheme]}" -format '%[fx:round(mean*w*h)]' info:)
    [ "$lit" -ge 300 ] || fail "the chart of scheme $scheme shows little or nothing in ${plus_colours[$scheme]}"
done
echo "  43-rivals-browser: $sections sections on the four schemes, pictures in build/e2e/rivals-scheme*.png"
