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

note "the welcome box is read with its title and text"
wait_window "VÍTEJ NOVÝ STAROSTO" >/dev/null
welcome="Minulý starosta umřel a ty nastupuješ místo něho na 150 dní, než budou volby a musíš udělat vše proto, aby město prosperovalo a dál se rozrůstalo."
expect "VÍTEJ NOVÝ STAROSTO" alert "VÍTEJ NOVÝ STAROSTO" "" 1
expect "VÍTEJ NOVÝ STAROSTO" label "$welcome" "" 1
expect "VÍTEJ NOVÝ STAROSTO" "push button" OK "" 1
ok_box "VÍTEJ NOVÝ STAROSTO"

note "the counters are named by their captions and read their numbers"
w=$(wait_window Trelavka)
expect Trelavka text Peníze 2500000 1
says Trelavka text Obyvatelstvo 300 1 || fail "Obyvatelstvo does not read 300"
says Trelavka text Popularita 20 1 || fail "Popularita does not read 20"
says Trelavka text Den 1 1 || fail "Den does not read 1"
says Trelavka "push button" "Start hry" "" 1 || fail "no button \"Start hry\""
says Trelavka "menu item" Stavby "" 1 || fail "no menu \"Stavby\""
says Trelavka "menu item" "Sídliště           2 500 000,-Kč" "" 0 || fail "no menu item for the estate"
says Trelavka image "Mapa města" "" 1 || fail "the map is not an image named \"Mapa města\""
says Trelavka image Sídliště "" 0 || fail "the estate's picture is not a hidden image named \"Sídliště\""
if grep -P '^Trelavka\timage\t\t' "$work/tree"; then fail "a picture has no name"; fi
shot 01-main "$w"

note "the estate, bought from the keyboard alone, is shown by name"
focus "$w"
xdotool key alt Right Down Down Down Return  # Stavby: Obchod, Hypermarket, Sídliště
expect Trelavka image Sídliště "" 1
expect Trelavka text Peníze 0 1
says Trelavka text Obyvatelstvo 600 1 || fail "Obyvatelstvo does not read 600 after the estate"
shot 02-estate "$w"

note "a refusal is read with its title and text"
focus "$w"
xdotool key alt Right Down Down Return  # Stavby › Hypermarket
wait_window "Nejde postavit" >/dev/null
expect "Nejde postavit" alert "Nejde postavit" "" 1
expect "Nejde postavit" label "Nemáte dost peněz" "" 1
shot 03-refused
ok_box "Nejde postavit"

quit_with_ctrl_k "$w"
