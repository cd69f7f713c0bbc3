#!/usr/bin/env bash
# A real browser reads the page of each opponent: headless Chromium loads the sample log's page on
# each colour scheme; its DOM holds a section per opponent with its anchor and chart, and a picture of
# the first section (build/e2e/rivals-scheme*.png) shows the balance line in the scheme's colour.
# With 詳しい成績 too, from a copy of the output folder moved elsewhere, every link between the report
# and the page, resolved by the browser, lands on an anchor of the DOM it names; pictures of the top of the report at 1280 and
# 800 pixels in build/e2e/top-scheme*-*.png.
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
    mkdir -p "$WORK/written"
    "$CLI" --log "$ROOT/examples/Zentolog.txt" --id "$id" --out "$WORK/written" --scheme "$scheme" --rivals \
        --details >/dev/null || fail "vornix-cli --rivals failed on scheme $scheme"
    mv "$WORK/written" "$out"
    page="$out/${id}_対戦相手別.html"
    headless_chromium "$page" --dump-dom >"$out.dom"
    sections=$(grep -o '<h3 id="r[0-9a-f]*">☆ [^<]*さんとの対戦成績 ☆</h3>' "$out.dom" | wc -l)
    [ "$sections" -gt 0 ] || fail "no section in the DOM of the page (scheme $scheme)"
    [ "$(grep -o '<svg ' "$out.dom" | wc -l)" -eq "$sections" ] || fail "a section lacks its chart (scheme $scheme)"
    headless_chromium "$out/分析結果.html" --dump-dom >"$out.report.dom"
    grep -qF ">対戦相手別の成績</a>" "$out.report.dom" || fail "no link to the page (scheme $scheme)"
    headless_chromium "$page" --dump-dom >"$out.page.dom"
    # Each page once more, beside itself, with a script that writes down where the browser resolves
    # every link to ("href as written" TAB "URL").
    for name in 分析結果.html "${id}_対戦相手別.html"; do
        { iconv -f CP932 -t UTF-8 "$out/$name" | sed 's|</body></html>||'
          echo '<pre id="resolved"></pre><script>document.getElementById("resolved").textContent = Array.from('
          echo 'document.links).map(function (a) { return a.getAttribute("href") + "\t" + a.href; }).join("\n");</script>'
          echo '</body></html>'; } | iconv -f UTF-8 -t CP932 >"$out/check-$name"
        headless_chromium "$out/check-$name" --dump-dom >"$out.check-$name.dom"
    done
    python3 - "$out" "$out.report.dom" "$out.page.dom" <<'PY' || fail "a link between the pages lands nowhere (scheme $scheme)"
import html, os, re, sys, urllib.parse
folder = sys.argv[1]
page = [n for n in os.listdir(folder) if n.endswith('_対戦相手別.html') and not n.startswith('check-')][0]
doms = {'分析結果.html': sys.argv[2], page: sys.argv[3]}
text = {name: open(dom, encoding='utf-8').read() for name, dom in doms.items()}
checked = 0
for name in doms:
    resolved = open(doms[name].replace('.report.dom', '.check-分析結果.html.dom').replace(
        '.page.dom', '.check-' + page + '.dom'), encoding='utf-8').read()
    for line in html.unescape(re.search(r'<pre id="resolved">(.*?)</pre>', resolved, re.S)[1]).split('\n'):
        written, url = line.split('\t')
        if written.startswith('file:'): continue   # the downloads: absolute, as they always were
        path, _, anchor = url.partition('#')
        target = urllib.parse.unquote(path[len('file://'):])
        if os.path.basename(target).startswith('check-'): target = os.path.join(folder, name)
        assert os.path.dirname(target) == folder and os.path.exists(target), (written, url)
        assert not anchor or 'id="%s"' % anchor in text[os.path.basename(target)], (written, url)
        checked += 1
assert checked > 100, checked
PY
    for width in 1280 800; do
        headless_chromium "$out/分析結果.html" --window-size=$width,900 \
            --screenshot="$E2E_OUT/top-scheme$scheme-$width.png" >/dev/null
    done

    # The head and the first section alone, without the index, in the page's own bytes.
    iconv -f CP932 -t UTF-8 "$page" | sed '/<h4 id="index">/,/^<\/table>/d' |
        awk '/<h3 id="r/ && ++n == 2 { done = 1 } !done { print } END { print "</body></html>" }' | iconv -f UTF-8 -t CP932 >"$out/first.html"
    headless_chromium "$out/first.html" --window-size=800,900 --screenshot="$E2E_OUT/rivals-scheme$scheme.png" >/dev/null
    lit=$(convert "$E2E_OUT/rivals-scheme$scheme.png" -fill black +opaque "${plus_colours[$scheme]}" \
        -fill white -opaque "${plus_colours[$scheme]}" -format '%[fx:round(mean*w*h)]' info:)
    [ "$lit" -ge 300 ] || fail "the chart of scheme $scheme shows little or nothing in ${plus_colours[$scheme]}"
done
echo "  43-rivals-browser: $sections sections on the four schemes, pictures in build/e2e/rivals-scheme*.png"
