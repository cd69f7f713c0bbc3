#!/bin/sh
# Converts the user guide from UTF-8 with LF to code page 932 with CR LF: convert-readme.sh SOURCE TARGET.
# Fails (and leaves no target) when the text holds a character that code page 932 lacks.
set -e
iconv -f UTF-8 -t CP932 "$1" | sed 's/$/\r/' > "$2.tmp"
mv "$2.tmp" "$2"
