# Shared by the end-to-end tests: an X server of our own, the game in it, and
# the ways a player acts on it (clicks, keys) and sees it (titles, pixels).
# Everything started here is stopped on the way out, also after a failure, a
# timeout or a kill of the test itself.
set -euo pipefail

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
stop_all() {
  local g
  while read -r g; do kill -TERM -- "-$g" 2>/dev/null || :; done <"$work/groups"
  sleep 0.2
  while read -r g; do kill -KILL -- "-$g" 2>/dev/null || :; done <"$work/groups"
}
finish() {
  local rc=$?
  trap - EXIT INT TERM
  stop_all
  rm -rf "$work"
  exit "$rc"
}
trap finish EXIT
trap 'exit 143' INT TERM

# Watchdog: ends the test after E2E_LIMIT seconds, and if the test itself is
# killed outright (no trap runs), still stops what it started.
(
  trap '' INT TERM
  end=$((SECONDS + E2E_LIMIT))
  while kill -0 $$ 2>/dev/null; do
    if [ $SECONDS -ge $end ]; then
      echo "FAIL: over the time limit of ${E2E_LIMIT} s" >&2
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

start_x() {
  spawn /dev/null "$work/xvfb.err" Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
    3>"$work/display"
  wait_for 10 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.err")"
  export DISPLAY=":$(head -n1 "$work/display")"
  note "X server on $DISPLAY"
}

# start_game BINARY RUN_DIR [--hook]: the game in RUN_DIR, its working folder.
start_game() {
  local binary dir=$2
  binary=$(readlink -f "$1")
  if [ "${3:-}" = --hook ]; then
    mkfifo "$work/hook.in"
    exec {hook_fd}<>"$work/hook.in"  # read-write: opening it never blocks
    (cd "$dir" && exec setsid "$binary" <"$work/hook.in" >"$work/game.out" 2>"$work/game.err") &
  else
    (cd "$dir" && exec setsid "$binary" </dev/null >"$work/game.out" 2>"$work/game.err") &
  fi
  game_pid=$!
  echo "$game_pid" >>"$work/groups"
}

# The game's exit status, once it has ended (waits up to SECONDS).
game_exit() {
  wait_for "$1" sh -c "! kill -0 $game_pid 2>/dev/null" || return 1
  local rc=0
  wait "$game_pid" || rc=$?
  echo "$rc"
}

# window TITLE: the id of the game's shown window with exactly this title.
window() {
  local w
  for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$game_pid" ] && { echo "$w"; return 0; }
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
wait_gone() { wait_for "${2:-10}" sh -c "! xdotool search --onlyvisible --name '^$1\$' >/dev/null 2>&1" \
  || fail "window \"$1\" is still there"; }

focus() { xdotool windowfocus --sync "$1"; }

# click WINDOW X Y: a left click at a point of the window.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Windows that pop up on their own (menus) have no title; count what is shown.
shown_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }

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
  wait_for 5 test "$(shown_windows)" -gt "$before" || fail "the menu bar did not open a menu"
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
