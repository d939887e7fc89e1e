# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the end-to-end tests: an X server of our own, the game in it, and
# the ways a player acts on it (clicks, keys) and sees it (titles, pixels).
# Everything started here is stopped on the way out, also after a failure, a
# timeout or a kill of the test itself.
set -euo pipefail
# Window titles are Czech and matched by xdotool as UTF-8; a minimal Debian
# sets no locale at all, and in the C locale no "VÍTEJ" is ever found.
export LC_ALL=C.UTF-8

E2E_LIMIT=${E2E_LIMIT:-120}  # seconds for the whole test, under CTest's own limit

work=$(mktemp -d "${TMPDIR:-/tmp}/trelavka-e2e.XXXXXX")
: >"$work/groups"
game_pid=
hook_fd=

fail() {
  echo "FAIL: $*" >&2
  [ -n "${DISPLAY:-}" ] && shot "failure" 2>/dev/null || :
  [ -s "$work/game.err" ] && { echo "--- game stderr:" >&2; tail -n 20 "$work/game.err" >&2; }
  exit 1
}
note() { echo "-- $*"; }

# Every process we start leads a process group of its own, listed in the groups
# file; stopping the test stops every group.
# Waits for them to be gone: an X server still shutting down would take the
# next test's clients on its display number.
any_left() {
  local g
  while read -r g; do kill -0 -- "-$g" 2>/dev/null && return 0; done <"$work/groups"
  return 1
}
stop_all() {
  local g i
  while read -r g; do kill -TERM -- "-$g" 2>/dev/null || :; done <"$work/groups"
  for ((i = 0; i < 50; i++)); do any_left || return 0; sleep 0.1; done
  while read -r g; do kill -KILL -- "-$g" 2>/dev/null || :; done <"$work/groups"
  for ((i = 0; i < 20; i++)); do any_left || return 0; sleep 0.1; done
}
finish() {
  local rc=$?
  trap - EXIT INT TERM
  stop_all
  rm -rf "$work"
  exit "$rc"
}
trap finish EXIT
# The watchdog's own output goes nowhere (CTest would wait on it), so the test
# says why it ends.
trap 'echo "FAIL: ended by a signal (the time limit is ${E2E_LIMIT} s)" >&2; exit 143' INT TERM

# Watchdog: ends the test after E2E_LIMIT seconds, and if the test itself is
# killed outright (no trap runs), still stops what it started.
(
  trap '' INT TERM
  end=$((SECONDS + E2E_LIMIT))
  while kill -0 $$ 2>/dev/null; do
    if [ $SECONDS -ge $end ]; then
      kill -TERM $$ 2>/dev/null
      sleep 5
    fi
    sleep 0.5
  done
  while read -r g; do kill -KILL -- "-$g" 2>/dev/null || :; done <"$work/groups"
  rm -rf "$work"
) </dev/null >/dev/null 2>&1 &
disown

# spawn OUT ERR COMMAND...: starts COMMAND as the leader of a new process group.
spawn() {
  local out=$1 err=$2
  shift 2
  setsid "$@" >"$out" 2>"$err" &
  echo $! >>"$work/groups"
}

# wait_for SECONDS COMMAND...: polls until COMMAND succeeds.
wait_for() {
  local limit=$1 end
  shift
  end=$(($(date +%s%N) + limit * 1000000000))
  until "$@"; do
    [ "$(date +%s%N)" -lt "$end" ] || return 1
    sleep 0.05
  done
}

# A display number drawn at random, away from the low ones that other tools
# take; ours is the one whose lock file holds our server's process id.
# -noreset: a game started after another has quit must not meet the server in
# the middle of a reset (it fails to connect then).
start_x() {
  local try n xpid
  for try in $(seq 20); do
    n=$((RANDOM % 9000 + 1000))
    [ -e "/tmp/.X$n-lock" ] && continue
    spawn /dev/null "$work/xvfb.err" Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset
    xpid=$(tail -n 1 "$work/groups")
    if wait_for 10 sh -c "xdpyinfo -display :$n >/dev/null 2>&1 || ! kill -0 $xpid 2>/dev/null" &&
       kill -0 "$xpid" 2>/dev/null && [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$xpid" ]; then
      export DISPLAY=":$n"
      note "X server on $DISPLAY"
      return 0
    fi
    kill -KILL -- "-$xpid" 2>/dev/null || :
  done
  fail "no X server would start: $(cat "$work/xvfb.err")"
}

# start_wm: a window manager on our X server, as most players have one; once.
start_wm() {
  [ -z "${wm_started:-}" ] || return 0
  spawn /dev/null "$work/wm.err" openbox --sm-disable
  wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' \
    || fail "openbox would not start: $(cat "$work/wm.err")"
  wm_started=1
}

# start_game BINARY RUN_DIR [--hook]: the game in RUN_DIR, its working folder,
# with the variables of the game_env array set for it alone.
game_env=()
start_game() {
  local binary dir=$2
  binary=$(readlink -f "$1")
  if [ "${3:-}" = --hook ]; then
    mkfifo "$work/hook.in"
    exec {hook_fd}<>"$work/hook.in"  # read-write: opening it never blocks
    (cd "$dir" && exec setsid env "${game_env[@]}" "$binary" <"$work/hook.in" >"$work/game.out" 2>"$work/game.err") &
  else
    (cd "$dir" && exec setsid env "${game_env[@]}" "$binary" </dev/null >"$work/game.out" 2>"$work/game.err") &
  fi
  game_pid=$!
  echo "$game_pid" >>"$work/groups"
}

# game_exit SECONDS: waits for the game to end and puts its exit status in
# $game_status (not printed: a subshell could not collect it).
game_exit() {
  wait_for "$1" sh -c "! kill -0 $game_pid 2>/dev/null" || return 1
  game_status=0
  wait "$game_pid" || game_status=$?
}

# window TITLE: the id of the game's shown window with exactly this title, as
# a window manager shows it (_NET_WM_NAME: WM_NAME's encoding follows the locale).
# Only the game's own windows are asked their title: asking each of the two
# dozen windows on the screen its process took seconds on a busy machine.
window() {
  local w name
  for w in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
    name=$(xprop -id "$w" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p')
    [ "$name" = "$1" ] && { echo "$w"; return 0; }
  done
  return 1
}
game_alive() { kill -0 "$game_pid" 2>/dev/null; }
window_or_end() { window "$1" >/dev/null || ! game_alive; }
wait_window() {
  wait_for "${2:-10}" window_or_end "$1" || fail "no window \"$1\""
  game_alive || fail "the game ended while waiting for \"$1\""
  window "$1"
}
window_gone() { ! window "$1" >/dev/null; }
wait_gone() { wait_for "${2:-10}" window_gone "$1" || fail "window \"$1\" is still there"; }

focus() { xdotool windowfocus --sync "$1"; }

# click WINDOW X Y: a left click at a point of the window.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Windows that pop up on their own (menus) have no title; count what is shown.
shown_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }

# Whether more windows are shown than $before (of the caller) counted.
menu_opened() { [ "$(shown_windows)" -gt "$before" ]; }

# menu WINDOW INDEX KEYS...: opens the INDEX-th menu of the menu bar (0: the
# first) and moves with the keys, as a player who clicks the first menu and
# walks on with the arrow keys. A menu opened with an arrow key has its first
# item marked.
menu() {
  local w=$1 n=$2 before i
  shift 2
  focus "$w"
  before=$(shown_windows)
  click "$w" 20 9
  # Wine swallows a click on the menu bar that comes right after a menu
  # command's window changes; a second click then opens the menu.
  if ! wait_for 2 menu_opened; then
    click "$w" 20 9
    wait_for 5 menu_opened || fail "the menu bar did not open a menu"
  fi
  for ((i = 0; i < n; i++)); do xdotool key Right; done
  [ $# -eq 0 ] || xdotool key "$@"
}

# ok_box TITLE: closes the message box with this title by its OK button (Return).
ok_box() {
  local b
  b=$(wait_window "$1")
  focus "$b"
  xdotool key Return
  wait_gone "$1"
}

# quit_with_ctrl_k WINDOW: the game ends at the key, with status 0 and not a
# word on the terminal over the whole test.
quit_with_ctrl_k() {
  focus "$1"
  xdotool key ctrl+k
  game_exit 10 || fail "the game is still running after Ctrl+K"
  [ "$game_status" = 0 ] || fail "the game ended with status $game_status"
  [ ! -s "$work/game.err" ] || fail "the game wrote to the terminal: $(head -c 2000 "$work/game.err")"
  note "passed; screenshots in $artifacts"
}

# shot NAME [WINDOW]: a screenshot into the artefacts, of one window or the screen.
shot() {
  mkdir -p "$artifacts"
  import -window "${2:-root}" "$artifacts/$1.png"
}

# crop IMAGE GEOMETRY OUT
crop() { convert "$1" -crop "$2" +repage "$3"; }

# differing_pixels A B: how many pixels of two same-sized images differ.
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 || :; }

# The hook of the test build: hook COMMAND prints its one-line answer. Counts
# the answers so far rather than keeping a count: it runs in subshells too.
hook() {
  [ -n "$hook_fd" ] || fail "this game has no test hook"
  local before
  before=$(grep -c '^@' "$work/game.out" || :)
  echo "$*" >&"$hook_fd"
  wait_for 10 sh -c "[ \$(grep -c '^@' '$work/game.out') -gt $before ]" \
    || fail "the game did not answer \"$*\""
  grep '^@' "$work/game.out" | sed -n "$((before + 1))p"
}
# field NAME: one field of the state the window shows now.
field() { hook state | tr '\t' '\n' | sed -n "s/^$1=//p"; }
expect_field() {
  local got
  got=$(field "$1")
  [ "$got" = "$2" ] || fail "$1 is \"$got\", expected \"$2\""
}
# visible NAME: whether that control is shown now.
visible() { field visible | tr ',' '\n' | grep -x "$1" >/dev/null; }

# journey STEP: that row of journey.tsv, the player's first minutes on every
# front end, into the array step (its fields counted from 0).
journey() {
  IFS=$'\t' read -r -a step < <(awk -F '\t' -v s="$1" '$1 == s' "$(dirname "${BASH_SOURCE[0]}")/journey.tsv")
  [ "${#step[@]}" = 12 ] || fail "no whole row \"$1\" in journey.tsv"
}

# What the window manager was told about a window.
transient_for() { xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p'; }
no_maximise() {
  local actions
  actions=$(xprop -id "$1" _NET_WM_ALLOWED_ACTIONS)
  case "$actions" in *MAXIMIZE*) fail "window \"$2\" may be maximised: $actions" ;; esac
}

# title_pixels WINDOW: how many light pixels (the title's letters, the icon and
# the buttons) its title bar shows.
title_pixels() {
  local ax ay top width
  ax=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left X: *//p')
  ay=$(xwininfo -id "$1" | sed -n 's/.*Absolute upper-left Y: *//p')
  width=$(xwininfo -id "$1" | sed -n 's/.*Width: *//p')
  top=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //' | cut -d, -f3 | tr -d ' ')
  import -window root -crop "$((width - 4))x$((top - 2))+$((ax + 2))+$((ay - top + 1))" +repage "$work/bar.png"
  convert "$work/bar.png" -colorspace gray -threshold 90% -format '%[fx:round(mean*w*h)]' info:
}
# whole_title MAIN TITLE PIXELS: the title_pixels of a box, taken while it was
# open and focused, are those of the wide main window given the same title for
# a moment, so the box showed its title whole.
whole_title() {
  local whole
  xprop -id "$1" -f _NET_WM_NAME 8u -set _NET_WM_NAME "$2"
  focus "$1"
  sleep 0.2
  whole=$(title_pixels "$1")
  xprop -id "$1" -f _NET_WM_NAME 8u -set _NET_WM_NAME Trelavka
  [ "$3" = "$whole" ] || fail "the title \"$2\" is cut: $3 light pixels in its box, $whole when whole"
}

# Another build's ways of starting the game (the Windows one under Wine).
if [ -n "${E2E_PLATFORM_LIB:-}" ]; then . "$E2E_PLATFORM_LIB"; fi
