#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a screen reader learns of the running game under Wine, asked from a
# process of its own (TREE, the trelavka-accessible-tree program): the
# welcome box by its title and text, the four counters by their captions with
# their numbers as read-only values, the buttons by their captions, the
# estate's picture hidden until it is bought and then shown under its menu
# caption, the money it cost in the counter's value, and the focus where the
# keyboard put it; a hover tip shown where a player rests the mouse and read
# as a tooltip; and a house the clock hides no longer drawn.
# Usage: accessible.sh GAME RUN_DIR ARTIFACTS   (E2E_PLATFORM_LIB, WINE_TEMPLATE, TREE set)
game=$1 run_dir=$2 artifacts=$3
. "$(dirname "$0")/../e2e/lib.sh"
rm -rf "$artifacts"
mkdir -p "$artifacts"
declare -F accessible_tree >/dev/null || fail "TREE must name the trelavka-accessible-tree program"

# expect ROLE NAME VALUE STATES: that object is there, with that value and those states.
expect() {
  local line want
  line=$(accessible "$1" "$2")
  [ -n "$line" ] || { cp "$work/tree" "$artifacts/tree.txt"; fail "no $1 \"$2\" (tree in $artifacts/tree.txt)"; }
  want=$(printf '%s\t%s\t%s' "$1" "$2" "$3")
  [ "$(cut -f 2-4 <<<"$line")" = "$want" ] || fail "the $1 \"$2\" reads \"$(cut -f 4 <<<"$line")\", not \"$3\""
  [ "$(cut -f 6 <<<"$line")" = "$4" ] || fail "the $1 \"$2\" is \"$(cut -f 6 <<<"$line")\", not \"$4\""
}

start_x
start_game "$game" "$run_dir"

note "the welcome box: a dialog by its title, its text and its focused button below it"
journey welcome
wait_window "${step[5]}" 30 >/dev/null  # Wine starts slowly on a busy machine
accessible_tree
cp "$work/tree" "$artifacts/tree-welcome.txt"
expect dialog "${step[5]}" "" ""
expect statictext "${step[6]}" "" ""
expect pushbutton OK "" "focusable,focused"
[ "$(awk -F '\t' '$2 == "dialog" { d = $1 } $2 == "statictext" && $1 == d + 1 { n++ } END { print n + 0 }' "$work/tree")" = 1 ] \
  || fail "the box's text is not a child of the box"
ok_box "${step[5]}"

note "the main window: counters, captions, buttons, the map"
w=$(wait_window Trelavka)
accessible_tree
cp "$work/tree" "$artifacts/tree-start.txt"
expect client Trelavka "" ""
# expect_counters: each counter by its caption, reading the step's number.
expect_counters() {
  local caption i=7
  for caption in Peníze Obyvatelstvo Popularita Den; do expect text "$caption" "${step[i++]}" readonly; done
}
expect_counters
expect statictext Peníze "" ""
expect pushbutton "Start hry" "" focusable
expect pushbutton Pauza "" invisible,focusable
expect graphic "Mapa města" "" ""
expect graphic Sídliště "" invisible
# Every window of the main one answers, with a name.
unnamed=$(awk -F '\t' '$2 == "none" || $2 == "?" || $3 == "" || $2 ~ /^simple/' "$work/tree")
[ -z "$unnamed" ] || fail "objects without an answer or a name: $unnamed"

note "hover tips: a banner's, a disabled counter's from its place, none over a hidden button, none after a click"
IFS=, read -r cx cy _ < <(accessible client Trelavka | cut -f 7)
phone="Přidává 5 k popularitě a každý měsíc 5 000 do městské pokladny"
tip_reads() { accessible_tree; [ "$(awk -F '\t' '$2 == "tooltip" { n++; t = $3 } END { printf "%d%s", n, n ? " " t : "" }' "$work/tree")" = "$1" ]; }
xdotool mousemove $((cx + 578)) $((cy + 70))  # the telephone banner
wait_for 5 tip_reads "1 $phone" || { cp "$work/tree" "$artifacts/tree-tip.txt"; fail "no tip \"$phone\" over the telephone banner"; }
xdotool mousemove $((cx + 152)) $((cy + 11))  # the money counter
wait_for 5 tip_reads "1 Tvoje money" || fail "no tip \"Tvoje money\" over the money counter"
xdotool mousemove $((cx + 265)) $((cy + 17))  # the hidden "Další měsíc"
sleep 1.5
tip_reads 0 || fail "a tip over the hidden button's place: $(grep -P '\ttooltip\t' "$work/tree")"
xdotool mousemove $((cx + 578)) $((cy + 70))
wait_for 5 tip_reads "1 $phone" || fail "the banner's tip does not come back"
xdotool click 1
sleep 1.5
tip_reads 0 || fail "the tip stays after a click"

note "Stavby > Sídliště: its picture is shown under its name, the counters change"
journey estate
menu "$w" "${step[1]}" $(yes Down | head -n "${step[3]}") Return
estate_shown() { accessible_tree; [ -n "$(accessible graphic Sídliště)" ] && [ "$(accessible graphic Sídliště | cut -f 6)" = "" ]; }
wait_for 10 estate_shown || fail "the estate's picture is not shown to readers after buying it"
cp "$work/tree" "$artifacts/tree-estate.txt"
expect_counters

note "from the keyboard: Tab to \"Start hry\", Space, and \"Pauza\" has the focus"
focus "$w"
xdotool key Tab
accessible_tree
expect pushbutton "Start hry" "" focusable,focused
xdotool key space
paused_focused() { accessible_tree; [ "$(accessible pushbutton Pauza | cut -f 6)" = focusable,focused ]; }
wait_for 10 paused_focused || fail "\"Pauza\" reads \"$(accessible pushbutton Pauza | cut -f 6)\" after Space"
expect pushbutton "Start hry" "" invisible,focusable
xdotool key space

note "the yellow house the clock hides at 12 s leaves the map's own picture where it stood"
convert "$(dirname "$0")/../../assets/images/map.gif[0]" -crop 8x28+396+344 +repage "$work/under.png"
house_gone() { import -window root -crop "8x28+$((cx + 396))+$((cy + 432))" +repage "$work/there.png"; [ "$(differing_pixels "$work/under.png" "$work/there.png")" = 0 ]; }
wait_for 10 house_gone || fail "the house hidden at 12 s is still drawn"
note "all read as expected"
