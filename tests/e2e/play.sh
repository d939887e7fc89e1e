#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the game as a person would, under a window manager, with no sound server
# and no browser: the welcome box, the window, a refused market, buying the
# housing estate, a refused purchase, start and pause from the keyboard, a day
# passing, the help, the about window (its address clicked, closed by its logo,
# opened again) and Ctrl+K. What the player sees is read from window titles,
# window manager properties and the screen's pixels; with --hook (the test
# build) also the counters, shown controls and box texts, exactly; box texts
# also where the platform can read them back (box_text, the Windows build
# under Wine). The game may not write a word to the terminal. The menu items,
# boxes and counters of the journey are those of journey.tsv, which the page's
# test plays too.
# Usage: play.sh GAME RUN_DIR ARTIFACTS SOURCE_DIR [--hook]
game=$1 run_dir=$2 artifacts=$3 src=$4 mode=${5:-}
. "$(dirname "$0")/lib.sh"
rm -rf "$artifacts"
mkdir -p "$artifacts"
with_hook() { [ "$mode" = --hook ]; }
# box_says TITLE: the open box's text, where this build can read it back (the
# test build's hook, or the platform's box_text); fails where it cannot.
box_says() {
  if with_hook; then field text
  elif declare -F box_text >/dev/null; then box_text "$1"
  else return 1
  fi
}
expect_box() {
  local got
  got=$(box_says "$1") || return 0
  [ "$got" = "$2" ] || fail "the box \"$1\" says \"$got\""
}
# expect_step_state: with the hook, the counters and the picture of the row.
expect_step_state() {
  local i pic=${step[11]}
  with_hook || return 0
  for i in 1 2 3 4; do [ "${step[6 + i]}" = - ] || expect_field "Text$i" "${step[6 + i]}"; done
  case $pic in
    +*) visible "${pic#+}" || fail "${pic#+} is not shown after the step \"${step[0]}\"" ;;
    -?*) ! visible "${pic#-}" || fail "${pic#-} is shown after the step \"${step[0]}\"" ;;
  esac
}
# choose: the row's menu item, by the arrow keys.
choose() { menu "$w" "${step[1]}" $(yes Down | head -n "${step[3]}") Return; }
# boxed_step STEP: the row's item answered by its box, whose title shows whole.
boxed_step() {
  local b bar
  journey "$1"
  note "${step[2]} > ${step[4]%% *}: the box \"${step[5]}\""
  choose
  b=$(wait_window "${step[5]}")
  no_maximise "$b" "${step[5]}"
  focus "$b"
  bar=$(title_pixels "$b")
  shot "box-$1"
  expect_box "${step[5]}" "${step[6]}"
  ok_box "${step[5]}"
  whole_title "$w" "${step[5]}" "$bar"
  expect_step_state
}
# expect_shown_as_at_start: the controls shown are those of a new window, with
# the houses that the animation timers have brought since: the scenario runner
# (SCENARIO_RUNNER), on the same timer table, says which pictures the game's
# clock has reached. A picture that changes within the last SLACK ms may not
# have changed yet (a tick is late on a busy machine) and is not judged.
expect_shown_as_at_start() {
  local slack=2000 state clock visible from want free name
  state=$(hook state | tr '\t' '\n')
  clock=$(sed -n 's/^clock=//p' <<<"$state")
  visible=$(sed -n 's/^visible=//p' <<<"$state" | tr ',' '\n' | sort)
  from=$((clock > slack ? clock - slack : 0))
  printf 'wait %d\ndump\nwait %d\ndump\n' "$from" $((clock + 1 - from)) |
    "${SCENARIO_RUNNER:?set SCENARIO_RUNNER to the trelavka-scenario program}" >"$work/at-start" \
    || fail "the scenario runner failed"
  # Label1 to Label4 are the counters' captions, never hidden; the rest as the runner shows them.
  want=$({ printf 'Label%s\n' 1 2 3 4; awk '/^= clock/ {n++} n == 2 && $3 == "shown" {print $2}' "$work/at-start"; } | sort)
  free=$(awk '/^= clock/ {n++} /^= (Picture|Command|Label)/ {s[n, $2] = $3; names[$2]}
              END {for (c in names) if (s[1, c] != s[2, c]) print c}' "$work/at-start")
  for name in $free; do
    visible=$(grep -vx "$name" <<<"$visible" || :) want=$(grep -vx "$name" <<<"$want" || :)
  done
  [ "$visible" = "$want" ] || fail "at $clock ms the window shows $(echo $visible | tr ' ' ,), not $(echo $want | tr ' ' ,)${free:+ (not judged: $(echo $free))}"
  note "the controls shown at $clock ms are a new window's, with the houses due by then"
}
# expect_counters_of_the_day: the counters, read at one moment, are those of
# the estate's town after as many time steps as days have passed, as the
# scenario runner has them; on a busy machine that may be a day more than one.
expect_counters_of_the_day() {
  local state day i field got want
  state=$(hook state | tr '\t' '\n')
  day=$(sed -n 's/^Text4=//p' <<<"$state")
  [ "$day" -ge 2 ] 2>/dev/null || fail "the day is \"$day\" after a day has passed"
  { echo "menu Sídliště"; for ((i = 1; i < day; i++)); do echo step; done; echo dump; } |
    "${SCENARIO_RUNNER:?set SCENARIO_RUNNER to the trelavka-scenario program}" >"$work/day" \
    || fail "the scenario runner failed"
  for field in Text1 Text2 Text3 Text4; do
    got=$(sed -n "s/^$field=//p" <<<"$state") want=$(sed -n "s/^= $field //p" "$work/day")
    [ "$got" = "$want" ] || fail "on day $day $field is \"$got\", expected \"$want\""
  done
}

start_x
start_wm
mkdir -m 700 "$work/run"
game_env=(-u BROWSER -u DEFAULT_BROWSER PATH=/nonexistent XDG_RUNTIME_DIR="$work/run"
          PULSE_SERVER="unix:$work/run/no-sound-server"
          LANG=C LC_ALL=C)  # the plainest locale: the titles must come out right even so
start_game "$game" "$run_dir" $mode

note "the welcome box comes before the window"
journey welcome
welcome=$(wait_window "${step[5]}")
welcome_owner=$(transient_for "$welcome")
legacy=$(LC_ALL=C.UTF-8 xprop -id "$welcome" WM_NAME | sed -n 's/^WM_NAME([A-Z_]*) = "\(.*\)"$/\1/p')
[ "$legacy" = "${step[5]}" ] || fail "the legacy title (WM_NAME) reads \"$legacy\""
eval "$(xdotool getwindowgeometry --shell "$welcome")"
[ $((X + WIDTH / 2 - 512)) -le 30 ] && [ $((512 - X - WIDTH / 2)) -le 30 ] && [ $((Y + HEIGHT / 2 - 384)) -le 40 ] \
  && [ $((384 - Y - HEIGHT / 2)) -le 40 ] || fail "the welcome box is not in the middle of the screen: $WIDTH x $HEIGHT at $X,$Y"
! window Trelavka >/dev/null || fail "the main window is shown before the welcome box was closed"
shot 01-welcome
expect_box "${step[5]}" "${step[6]}"
ok_box "${step[5]}"

w=$(wait_window Trelavka)
# Another copy's windows cannot come between the box and its own window.
[ "$welcome_owner" = "$(printf '0x%x' "$w")" ] \
  || fail "the welcome box is transient for \"$welcome_owner\", not its main window"
no_maximise "$w" Trelavka
read -r win_w win_h < <(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')
[ "$win_w" = 663 ] || fail "the window is $win_w pixels wide, not 663"
bar=$((win_h - 496))  # the menu bar's height; the client area below it is 663 x 496
[ "$bar" -gt 10 ] && [ "$bar" -lt 60 ] || fail "odd window height $win_h"
map_top=$((bar + 88))
shot 02-start "$w"
expect_step_state
with_hook && expect_shown_as_at_start

# The start and pause buttons share one place in the strip.
button_box="111x30+328+$((bar + 36))"
# Whether the button looks different from button-was.png (the other caption).
button_changed() {
  screen now
  crop "$work/now.png" "$button_box" "$work/button-now.png"
  [ "$(differing_pixels "$work/button-was.png" "$work/button-now.png")" != 0 ]
}
day_box="65x15+364+$((bar + 4))"  # the day's text field
screen() { import -window "$w" "$work/$1.png"; }
day_shows_change() { screen now; crop "$work/now.png" "$day_box" "$work/day-now.png"; [ "$(differing_pixels "$work/day-start.png" "$work/day-now.png")" != 0 ]; }

boxed_step market

journey estate
note "${step[2]} > ${step[4]%% *}: the estate stands and the counters change"
# Where the estate's picture lies in the window, less a strip at its left that
# a house of the animations may cover later.
estate_box="209x169+432+$((map_top + 108))"
crop "$src/assets/images/estate.gif[0]" "209x169+8+0" "$work/estate-want.png"
estate_drawn() { screen now; crop "$work/now.png" "$estate_box" "$work/estate-now.png"; [ "$(differing_pixels "$work/estate-want.png" "$work/estate-now.png")" = 0 ]; }
! estate_drawn || fail "the estate is drawn before it was bought"
choose
wait_for 10 estate_drawn || fail "the estate's picture is not on the map after buying it"
shot 04-estate "$w"
expect_step_state
boxed_step hypermarket

note "Tab, Space: Start hry; a day passes after 2.8 s"
screen before-start
crop "$work/before-start.png" "$day_box" "$work/day-start.png"
crop "$work/before-start.png" "$button_box" "$work/button-was.png"
focus "$w"
# The game cannot start before the key is sent, and has started once the
# button shows it: the first day falls 2800 ms after a moment between the two.
keyed=$(date +%s%N)
xdotool key Tab space  # "Start hry"
wait_for 10 button_changed || fail "the button still reads \"Start hry\" after Tab and Space"
shown=$(date +%s%N)
crop "$work/now.png" "$button_box" "$work/button-was.png"
if with_hook; then
  wait_for 10 visible Command3 || fail "\"Pauza\" is not shown after \"Start hry\""
  ! visible Command2 || fail "\"Start hry\" is still shown"
fi
# Screenshots are slow on a busy machine, so the change is bracketed: it came
# after the last look that missed it began and before the look that saw it
# ended.
missed=$shown
while :; do
  look=$(date +%s%N)
  day_shows_change && break
  missed=$look
  [ $(((look - keyed) / 1000000)) -lt 10000 ] || fail "the day does not change after \"Start hry\""
  sleep 0.05
done
seen=$(date +%s%N)
within=$(((seen - keyed) / 1000000)) not_before=$(((missed - shown) / 1000000))
note "the first day came between $not_before and $within ms after \"Start hry\""
[ "$within" -ge 2800 ] || fail "the first day came within $within ms of \"Start hry\", before 2800"
# A tick late on a busy machine, and the repaint, are given a second.
[ "$not_before" -le 3800 ] || fail "the first day had not come $not_before ms after \"Start hry\", long after 2800"
with_hook && expect_counters_of_the_day
shot 03-running "$w"

note "Space: Pauza stops the days"
xdotool key space  # "Pauza", which took the focus
wait_for 10 button_changed || fail "the button still reads \"Pauza\" after a second Space"
if with_hook; then
  wait_for 10 visible Command2 || fail "\"Start hry\" is not back after \"Pauza\""
  day=$(field Text4)
fi
screen paused
crop "$work/paused.png" "$day_box" "$work/day-start.png"
sleep 3.5  # longer than one day: nothing may move
day_shows_change && fail "the day changed while paused"
with_hook && expect_field Text4 "$day"
crop "$work/paused.png" "$button_box" "$work/button-was.png"
xdotool key space  # "Start hry" again
wait_for 10 button_changed || fail "a third Space did not start the game again"
with_hook && { visible Command3 || fail "\"Pauza\" is not shown after the third Space"; }
crop "$work/now.png" "$button_box" "$work/button-was.png"
xdotool key space  # paused again for what follows
wait_for 10 button_changed || fail "a fourth Space did not pause the game"

boxed_step help

note "Nápověda > O Trelavka, closed by the logo, opened again"
menu "$w" 3 Down Return
a=$(wait_window "O Trelavka")
size=$(xdotool getwindowgeometry "$a" | sed -n 's/.*Geometry: //p')
[ "$size" = 577x327 ] || fail "the about window is $size, not 577x327"
with_hook && expect_field about 1
no_maximise "$a" "O Trelavka"
shot 07-about
click "$a" 470 318  # the address, with no browser to open it
sleep 0.5
window "O Trelavka" >/dev/null || fail "the about window closed at a click on its address"
click "$a" 100 100
wait_gone "O Trelavka"
with_hook && expect_field about 0
menu "$w" 3 Down Return
wait_window "O Trelavka" >/dev/null
with_hook && expect_field about 1
shot 08-about-again

note "Ctrl+K ends the program, about window and all"
quit_with_ctrl_k "$w"
