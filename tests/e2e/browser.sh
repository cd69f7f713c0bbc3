# Sourced by the checks that read pages in headless Chromium. The caller sets CHROMIUM, WORK (a
# scratch folder) and fail.

# headless_chromium PAGE OPTION...: loads the HTML file PAGE with the options (--dump-dom prints the
# DOM on stdout, --screenshot=FILE takes a picture), from a browser profile of its own.
headless_chromium() {
    local page=$1 profile
    shift
    profile=$(mktemp -d "$WORK/profile-XXXXXX")
    timeout 120 "$CHROMIUM" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync --hide-scrollbars \
        --user-data-dir="$profile" "$@" "file://$page" 2>"$WORK/chromium.err" ||
        fail "chromium could not load $page: $(tail -n 3 "$WORK/chromium.err")"
}
