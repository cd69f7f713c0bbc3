#!/usr/bin/env bash
# A real browser reads the report: headless Chromium loads the report of the sample log and of a log
# whose opponents carry HTML-like names, and the DOM it builds must hold the six section headings as
# the intended Japanese text and one row per opponent shown. Needs the native build (vornix-cli).
set -euo pipefail
ROOT=${ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
CLI="$ROOT/build/native/vornix-cli"
CHROMIUM=${CHROMIUM:-/usr/bin/chromium}
WORK=$(mktemp -d /tmp/vornix-browser-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
export LC_ALL=C.UTF-8

fail() {
    echo "FAIL (20-browser): $*" >&2
    exit 1
}

[ -x "$CLI" ] || fail "$CLI is missing; build the native preset first"
[ -x "$CHROMIUM" ] || fail "$CHROMIUM is missing; run scripts/setup"
VERSION=$(cat "$ROOT/build/native/version.txt") || fail "the native build has no version.txt"

source "$ROOT/tests/e2e/browser.sh"

# Writes the DOM of the HTML file $1 into $2.
dump_dom() {
    headless_chromium "$1" --dump-dom >"$2"
}

# Analyses log $1 for ID $2 into folder $3, loads the report and checks the DOM.
check_report() {
    local log=$1 id=$2 out=$3 dom="$3.dom"
    mkdir -p "$out"
    "$CLI" --log "$log" --id "$id" --out "$out" >/dev/null || fail "vornix-cli failed on $log"
    dump_dom "$out/分析結果.html" "$dom"

    local heading
    for heading in "☆ ${id}さんの戦績 ☆" "☆ ${id}さんの最近の戦績 ☆" \
        "☆ ${id}さんと、たくさん遊んでくれた人 ＴＯＰ３０ ☆" "☆ トータル収支ランキング ☆" \
        "☆ 勝ち越し・負け越しランキング ☆" "☆ ダウンロード ☆"; do
        grep -qF "<h3>$heading</h3>" "$dom" || fail "heading \"$heading\" is not in the DOM of $log"
    done
    grep -qF "<title>Vornix ver. $VERSION 分析結果</title>" "$dom" || fail "the title is not read as intended"

    # Most-played list (up to 30) and two rankings of two columns (up to 20 each).
    local n shown rows
    n=$(($(wc -l <"$out/${id}_ID別集計.xls") - 1))
    shown=$(( (n < 30 ? n : 30) + 4 * (n < 20 ? n : 20) ))
    rows=$(grep -o '<td class="mony">[0-9]* 回</td>' "$dom" | wc -l)
    [ "$rows" -eq "$shown" ] || fail "$rows opponent rows in the DOM of $log, expected $shown ($n opponents)"
    echo "  20-browser: $log: six headings, $rows opponent rows"
}

check_report "$ROOT/examples/Zentolog.txt" "$(tr -d '\r\n' <"$ROOT/examples/player-id.txt")" "$WORK/sample"

# Opponents named like markup must show as text and hide nothing.
{
    printf '<上級ロビー(点200)：卓1>\r\n 0:東風戦\r\n[2024/01/01 19:44]\r\n'
    printf '#Me 初段\r\n#<!-- 初段\r\n#a&b 初段\r\n#x"<y>"z 初段\r\n'
    printf '>1     +39 4     -29 2      -3 3      -7\r\n'
} | iconv -f UTF-8 -t CP932 >"$WORK/markup.txt"
check_report "$WORK/markup.txt" Me "$WORK/markup"
dom="$WORK/markup.dom"
for name in '&lt;!--' 'a&amp;b' 'x"&lt;y&gt;"z'; do
    [ "$(grep -oF "<td class=\"id\">$name</td>" "$dom" | wc -l)" -eq 5 ] ||
        fail "the name $name is not shown as text in every list"
done

# With --trends, on each colour scheme: the progress section with its two charts in the DOM, charts
# that refer to nothing outside the page, and a picture of the section (build/e2e/trends-scheme*.png)
# in which both lines are drawn in the scheme's colours ("plus" and "minus" of the style sheet).
E2E_OUT="$ROOT/build/e2e"
mkdir -p "$E2E_OUT"
id=$(tr -d '\r\n' <"$ROOT/examples/player-id.txt")
plus_colours=("#436EEE" "#0000bb" "#00ffff" "#1874cd")
minus_colours=("#d21f15" "#ff0000" "#ff0000" "#cd6889")

# Prints how many pixels of picture $1 have exactly the colour $2.
pixels_of() {
    convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}

# Writes $1/section.html: the head of the report $1/分析結果.html and its progress section alone, in
# the report's own bytes, then the HTML text $2 (UTF-8) if given.
section_page() {
    local utf8="$1.utf8.html" page="$1.section.html"
    iconv -f CP932 -t UTF-8 "$1/分析結果.html" >"$utf8"
    awk '/<BODY>/ { print; exit } { print }' "$utf8" >"$page"
    awk '/さんの成績の推移 ☆<\/h3>/ { on = 1; print; next } on && /^<h3>/ { exit } on' "$utf8" >>"$page"
    printf '%s</body></html>\n' "${2:-}" >>"$page"
    iconv -f UTF-8 -t CP932 "$page" >"$1/section.html"
}

# Takes a picture of the page $1 into $2, 800 pixels wide.
picture() {
    headless_chromium "$1" --window-size=800,720 --screenshot="$2" >/dev/null
}

for scheme in 0 1 2 3; do
    out="$WORK/trends$scheme"
    mkdir -p "$out"
    "$CLI" --log "$ROOT/examples/Zentolog.txt" --id "$id" --out "$out" --scheme "$scheme" --trends >/dev/null ||
        fail "vornix-cli --trends failed on scheme $scheme"
    [ -s "$out/${id}_月別集計.xls" ] || fail "no monthly table with --trends (scheme $scheme)"
    dump_dom "$out/分析結果.html" "$out.dom"
    grep -qF "<h3>☆ ${id}さんの成績の推移 ☆</h3>" "$out.dom" || fail "no progress section in the DOM (scheme $scheme)"
    # The sample's history holds both kinds: the balance, and a rank chart per kind.
    [ "$(grep -o '<svg ' "$out.dom" | wc -l)" -eq 3 ] || fail "the progress section lacks its three charts (scheme $scheme)"
    grep -qF ">月別集計ファイル</a>" "$out.dom" || fail "no link to the monthly table (scheme $scheme)"

    iconv -f CP932 -t UTF-8 "$out/分析結果.html" >"$out.utf8.html"
    sed -n '/<svg /,/<\/svg>/p' "$out.utf8.html" >"$out.svg"
    [ -s "$out.svg" ] || fail "no SVG in the report (scheme $scheme)"
    if grep -qiE 'http|href|xlink|<script' "$out.svg"; then
        fail "the charts refer to something outside the page (scheme $scheme)"
    fi

    section_page "$out"
    picture "$out/section.html" "$E2E_OUT/trends-scheme$scheme.png"
    for colour in "${plus_colours[$scheme]}" "${minus_colours[$scheme]}"; do
        [ "$(pixels_of "$E2E_OUT/trends-scheme$scheme.png" "$colour")" -ge 400 ] ||
            fail "the charts of scheme $scheme show little or nothing in $colour"
    done
done
echo "  20-browser: progress section on the four schemes, pictures in build/e2e/trends-scheme*.png"

# With --details, on each colour scheme, over a generated log with three-player games: the detailed
# record's section with its three parts and the table's link in the DOM, no script, and a picture of
# the section alone (build/e2e/details-scheme*.png).
"$ROOT/build/native/tests/tools/vornix-loggen" --seed 7 --games 3000 --three-player 10 "$WORK/details.txt"
for scheme in 0 1 2 3; do
    out="$WORK/details$scheme"
    mkdir -p "$out"
    "$CLI" --log "$WORK/details.txt" --id Sakura77 --out "$out" --scheme "$scheme" --details >/dev/null ||
        fail "vornix-cli --details failed on scheme $scheme"
    dump_dom "$out/分析結果.html" "$out.dom"
    for heading in "<h3>☆ Sakura77さんの詳しい成績 ☆</h3>" "<h4>通算</h4>" "<h4>条件別成績</h4>" "<h4>最近の調子</h4>" \
        ">条件別集計ファイル</a>"; do
        grep -qF "$heading" "$out.dom" || fail "$heading is not in the DOM (scheme $scheme)"
    done
    ! grep -qi '<script' "$out.dom" || fail "the report holds a script (scheme $scheme)"
    iconv -f CP932 -t UTF-8 "$out/分析結果.html" >"$out.utf8.html"
    {
        awk '/<BODY>/ { print; exit } { print }' "$out.utf8.html"
        awk '/さんの詳しい成績 ☆<\/h3>/ { on = 1; print; next } on && /^<h3>/ { exit } on' "$out.utf8.html"
        echo '</body></html>'
    } | iconv -f UTF-8 -t CP932 >"$out/section.html"
    picture "$out/section.html" "$E2E_OUT/details-scheme$scheme.png"
done
echo "  20-browser: detailed record on the four schemes, pictures in build/e2e/details-scheme*.png"

# Charts at the edges, on scheme 0: a single game used to draw no rank line at all (a line of one
# point), and amounts of 2e9 points at 点2万 ran the balance labels off the picture. The browser lays
# the charts out and tells whether every text lies inside its chart; with the legends hidden, the
# colour of the 100-game average shows only where the single game's point is drawn.
inside_check='<style>line[y1="12"] { visibility: hidden; }</style><script>
var outside = [];
document.querySelectorAll("svg").forEach(function (svg) {
    var box = svg.getBoundingClientRect();
    svg.querySelectorAll("text").forEach(function (text) {
        var r = text.getBoundingClientRect();
        if (r.left < box.left || r.right > box.right || r.top < box.top || r.bottom > box.bottom)
            outside.push(text.textContent);
    });
});
var note = document.createElement("p");
note.id = "edges";
note.textContent = outside.length ? "outside: " + outside.join(" | ") : "all inside";
document.body.appendChild(note);
</script>'
# game RESULT: one game at 点2万 of Me, A, B and C with the result line's four "rank score" fields.
game() {
    printf '<一般ロビー(点2万)：卓1>\r\n 0:東風戦\r\n[2024/01/01 19:44]\r\n'
    printf '#Me 初段\r\n#A 初段\r\n#B 初段\r\n#C 初段\r\n>%-4s%5s %-4s%5s %-4s%5s %-4s%5s\r\n' "$@"
}
game 1 +30 2 +10 3 -15 4 -25 | iconv -f UTF-8 -t CP932 >"$WORK/one.txt"
for n in 1 2 3; do game 4 -2e9 1 +2e9 2 +0 3 +0; done | iconv -f UTF-8 -t CP932 >"$WORK/extreme.txt"
for edge in one:Me extreme:Me extreme:A; do
    log=${edge%%:*} player=${edge#*:}
    out="$WORK/edge-$log-$player"
    mkdir -p "$out"
    "$CLI" --log "$WORK/$log.txt" --id "$player" --out "$out" --trends >/dev/null ||
        fail "vornix-cli --trends failed on $log.txt for $player"
    section_page "$out" "$inside_check"
    dump_dom "$out/section.html" "$out.dom"
    grep -qF '<p id="edges">all inside</p>' "$out.dom" ||
        fail "$log.txt for $player: $(grep -o '<p id="edges">[^<]*' "$out.dom" || echo "no answer from the page")"
    picture "$out/section.html" "$E2E_OUT/trends-$log-$player.png"
    if [ "$log" = one ] && [ "$(pixels_of "$E2E_OUT/trends-$log-$player.png" "${minus_colours[0]}")" -lt 20 ]; then
        fail "the rank chart of a single game shows no point"
    fi
done
echo "  20-browser: a single game's point and extreme amounts' labels inside, build/e2e/trends-one-*.png, trends-extreme-*.png"
