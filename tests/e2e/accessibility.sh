#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a blind player's screen reader is told, read through AT-SPI from the
# running game on a private session bus: the boxes by title and text, the
# counters by their captions with their numbers, buttons and menu items by
# their captions, the pictures on the map as named images; and the estate
# bought with the keyboard alone.
# Usage: accessibility.sh GAME RUN_DIR ARTIFACTS
game=$1 run_dir=$2 artifacts=$3
. "$(dirname "$0")/lib.sh"
tree_reader=$(dirname "$(readlink -f "$0")")/atspi_tree.py
rm -rf "$artifacts"
mkdir -p "$artifacts"

start_x
start_wm
# The session bus and the accessibility bus with its registry are ours alone;
# the launcher leads their process group, so stopping the test stops them.
spawn "$work/bus.out" "$work/bus.err" dbus-daemon --session --nofork --print-address=1
wait_for 10 test -s "$work/bus.out" || fail "no session bus: $(cat "$work/bus.err")"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus.out")
spawn /dev/null "$work/spi.err" /usr/libexec/at-spi-bus-launcher --launch-immediately
mkdir -m 700 "$work/run"
game_env=(-u BROWSER QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_RUNTIME_DIR="$work/run"
          PULSE_SERVER="unix:$work/run/no-sound-server" PATH=/nonexistent)
start_game "$game" "$run_dir"

read_tree() { timeout 20 "$tree_reader" trelavka >"$work/tree" 2>"$work/tree.err"; }
# says WINDOW ROLE NAME TEXT SHOWING: the tree holds that object.
says() { printf '%s\t%s\t%s\t%s\t%s\n' "$@" | grep -Fxqf - "$work/tree"; }
# expect WINDOW ROLE NAME TEXT SHOWING: it does, at once or within a few seconds.
expect() {
  wait_for 10 sh -c "$(declare -f read_tree says); tree_reader='$tree_reader' work='$work'
                     read_tree && says \"\$@\"" sh "$@" \
    || fail "no $2 \"$3\" (text \"$4\", showing $5) in \"$1\"; the tree: $(grep -F "$3" "$work/tree" || head -c 3000 "$work/tree")"
}

# expect_box STEP: the step's box, read with its title, text and button.
expect_box() {
  journey "$1"
  wait_window "${step[5]}" >/dev/null
  expect "${step[5]}" alert "${step[5]}" "" 1
  expect "${step[5]}" label "${step[6]}" "" 1
  says "${step[5]}" "push button" OK "" 1 || fail "no OK in \"${step[5]}\""
  shot "box-$1"
  ok_box "${step[5]}"
}
# expect_counters STEP: the counters by their captions, reading the step's numbers.
expect_counters() {
  local caption i=7
  journey "$1"
  for caption in Peníze Obyvatelstvo Popularita Den; do
    expect Trelavka text "$caption" "${step[i++]}" 1
  done
}

note "the welcome box is read with its title and text"
expect_box welcome

note "the counters are named by their captions and read their numbers"
w=$(wait_window Trelavka)
expect_counters welcome
says Trelavka "push button" "Start hry" "" 1 || fail "no button \"Start hry\""
says Trelavka "menu item" Stavby "" 1 || fail "no menu \"Stavby\""
journey estate
says Trelavka "menu item" "${step[4]}" "" 0 || fail "no menu item for the estate"
says Trelavka image "Mapa města" "" 1 || fail "the map is not an image named \"Mapa města\""
says Trelavka image Sídliště "" 0 || fail "the estate's picture is not a hidden image named \"Sídliště\""
if grep -P '^Trelavka\timage\t\t' "$work/tree"; then fail "a picture has no name"; fi
shot 01-main "$w"

# keyboard_choose STEP: the step's menu item from the keyboard alone: Alt
# marks the first menu, each arrow walks one place on.
keyboard_choose() {
  journey "$1"
  focus "$w"
  xdotool key alt $(yes Right | head -n "${step[1]}") $(yes Down | head -n $((step[3] + 1))) Return
}

note "the estate, bought from the keyboard alone, is shown by name"
keyboard_choose estate
expect Trelavka image Sídliště "" 1
expect_counters estate
shot 02-estate "$w"

note "a refusal is read with its title and text"
keyboard_choose hypermarket
expect_box hypermarket

quit_with_ctrl_k "$w"
