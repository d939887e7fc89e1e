#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# "Soubor" opens with "Konec" at the left and its shortcut "Ctrl+K" apart at
# the right, as the Linux build's menu shows them, not one space after it:
# the widest stretch of background in the item's row is a column gap, and
# the shortcut's ink ends near the menu's right edge. Ctrl+K still ends the game.
# Usage: menu_shortcut.sh GAME RUN_DIR ARTIFACTS   (E2E_PLATFORM_LIB, WINE_TEMPLATE set)
game=$1 run_dir=$2 artifacts=$3
. "$(dirname "$0")/../e2e/lib.sh"
rm -rf "$artifacts"
mkdir -p "$artifacts"

start_x
start_game "$game" "$run_dir"
wait_window "VÍTEJ NOVÝ STAROSTO" 30 >/dev/null  # Wine starts slowly on a busy machine
ok_box "VÍTEJ NOVÝ STAROSTO"
w=$(wait_window Trelavka)
xwininfo -root -children | awk '/^ +0x/ {print $1}' | sort >"$work/before"
menu "$w" 0
# The popup is the one window of some size shown now that was not before.
popup_shown() {
  local id
  xwininfo -root -children | awk '/^ +0x/ {print $1}' | sort >"$work/after"
  for id in $(comm -13 "$work/before" "$work/after"); do
    xwininfo -id "$id" >"$work/popup" 2>/dev/null || continue
    grep -q 'Map State: IsViewable' "$work/popup" || continue
    [ "$(sed -n 's/.*Width: *//p' "$work/popup")" -gt 20 ] && return 0
  done
  return 1
}
wait_for 5 popup_shown || fail "no menu opened"
sleep 0.3  # drawn once it is shown
px=$(sed -n 's/.*Absolute upper-left X: *//p' "$work/popup")
py=$(sed -n 's/.*Absolute upper-left Y: *//p' "$work/popup")
pw=$(sed -n 's/.*Width: *//p' "$work/popup")
ph=$(sed -n 's/.*Height: *//p' "$work/popup")
import -window root -crop "${pw}x${ph}+${px}+${py}" +repage "$artifacts/menu.png"
# Inside the popup's frame: the one item's row.
convert "$artifacts/menu.png" -crop "$((pw - 8))x$((ph - 8))+4+4" +repage -depth 8 ppm:- |
  "$(dirname "$0")/column_gaps.py" >"$work/runs" || fail "cannot read the menu's picture"
widest=$(sed -n 's/^widest //p' "$work/runs")
last=$(grep -- - "$work/runs" | tail -1 | cut -d- -f2)
note "the widest background between the item's letters is $widest columns; its ink ends $((pw - 8 - 1 - last)) columns from the right"
[ "$widest" -ge 20 ] || fail "\"Ctrl+K\" follows \"Konec\" after $widest columns"
[ $((pw - 8 - 1 - last)) -le 20 ] || fail "\"Ctrl+K\" ends $((pw - 8 - 1 - last)) columns short of the menu's right edge"
xdotool key Escape Escape
focus "$w"
xdotool key ctrl+k
game_exit 20 || fail "Ctrl+K did not end the game"
