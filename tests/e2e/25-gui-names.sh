#!/usr/bin/env bash
# No Wine, no display: the names the Wine checks address controls and menu items by. control_id reads
# resource.h and refuses a name it does not define; menu_item_keys finds an item by the menu that
# holds it and its place there, also in a copy of the resource script where items, separators and a
# menu were added before it, and refuses an item that no menu holds.
set -euo pipefail
source "$(dirname "$0")/gui.sh"

# expect_keys NAME KEYS: the keys menu_item_keys gives for NAME in the script $MENU_RC.
expect_keys() {
    local keys
    keys=$(menu_item_keys "$1") || fail "no keys for $1 in $MENU_RC"
    [ "$keys" = "$2" ] || fail "$1 in $(basename "$MENU_RC"): '$keys', expected '$2'"
}

# expect_refused COMMAND NAME: the helper fails on the name.
expect_refused() {
    if ("$1" "$2") >/dev/null 2>&1; then fail "$1 took $2"; fi
}

[ "$(control_id IDC_MIN_RATE)" = "$(awk '$2 == "IDC_MIN_RATE" { print $3 }' "$RESOURCE_H")" ] ||
    fail "control_id IDC_MIN_RATE"
[ "$(control_id IDC_EXIT)" = 2 ] || fail "control_id IDC_EXIT"
expect_refused control_id IDC_MIN
expect_refused control_id IDC_STATIC
expect_keys IDM_SAVE "alt+o Return"
expect_keys IDM_DEFAULTS "alt+o Down Down Return"
expect_keys IDM_CLEAR_ID_LIST "alt+o Down Down Down Return"
expect_keys IDC_EXIT "alt+f Down Return"
expect_keys IDM_ABOUT "alt+h Down Return"
expect_refused menu_item_keys IDC_MIN_RATE
expect_refused menu_item_keys IDM_NOTHING
note "control_id and menu_item_keys read the program's resource.h and vornix.rc"

# A copy of the script with a menu before 設定 and, in 設定, an item at the top and an item and a
# separator above 標準に戻す, one with options: 標準に戻す moves three places down.
copy="$E2E_OUT/25-more-items.rc"
awk '
    /POPUP "設定\(&O\)"/ { print "    POPUP \"表示(&V)\""; print "    BEGIN"; print "        MENUITEM \"一覧, 詳細\", 1698"; print "    END" }
    /MENUITEM "保存", IDM_SAVE/ { print "        MENUITEM \"先頭\", 1696" }
    { print }
    /MENUITEM "保存", IDM_SAVE/ { print "        MENUITEM \"一覧, 詳細\", 1699, CHECKED"; print "        MENUITEM SEPARATOR" }
    /MENUITEM "元に戻す", IDM_RESTORE/ { print "        MENUITEM \"新しい項目\", 1697" }
' "$MENU_RC" >"$copy"
grep -q 1696 "$copy" && grep -q 1699 "$copy" || fail "could not make $copy"
MENU_RC=$copy
expect_keys IDM_SAVE "alt+o Down Return"
expect_keys IDM_DEFAULTS "alt+o Down Down Down Down Down Return"
expect_keys 1698 "alt+v Return"
expect_keys IDM_ABOUT "alt+h Down Return"
note "after items inserted before them, the items were still found"
