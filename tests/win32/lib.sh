# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The end-to-end helpers of tests/e2e/lib.sh for the Windows build under Wine.
# Sourced by tests/e2e/lib.sh when E2E_PLATFORM_LIB names this file, so the
# same play scripts drive both builds. Adds to the X server of that lib a Wine
# prefix of the test's own (a copy of WINE_TEMPLATE) and a browser that only
# writes down what it was asked to open; start_game starts that lib's window
# manager (without one Wine freezes 2 s on every window it hides) and runs an
# .exe through Wine.
# Every Wine process of the prefix ends with the test, on every way out.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/wav-held.sh"

[ -d "${WINE_TEMPLATE:-}" ] || fail "WINE_TEMPLATE must name the template Wine prefix"
export WINEPREFIX=$work/prefix
browser_log=$work/browser.log

wine_finish() {
  local rc=$?
  if [ -d "$WINEPREFIX" ]; then
    "$WINESERVER" -k 2>/dev/null || :
    timeout 10 "$WINESERVER" -w 2>/dev/null || :
  fi
  (exit "$rc")
  finish
}
trap wine_finish EXIT

# wine_prefix: the test's own prefix with the fake browser registered; once.
wine_prefix() {
  [ -d "$WINEPREFIX" ] && return 0
  cp -a "$WINE_TEMPLATE" "$WINEPREFIX"
  printf '#!/bin/sh\necho "$*" >>%q\n' "$browser_log" >"$work/browser.sh"
  chmod +x "$work/browser.sh"
  "$WINE" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$work/browser.sh" /f \
    >/dev/null 2>"$work/reg.err" || fail "cannot set the browser: $(cat "$work/reg.err")"
}

# start_game EXE RUN_DIR: the game in RUN_DIR, its working folder, under Wine.
# game_pid is the .exe's own process: Wine's loader becomes it.
start_game() {
  local exe dir=$2
  exe=$(readlink -f "$1")
  wine_prefix
  start_wm
  (cd "$dir" && exec setsid "$WINE" "$exe" </dev/null >"$work/game.out" 2>"$work/game.err") &
  game_pid=$!
  echo "$game_pid" >>"$work/groups"
}

# A focused window under openbox is an activated one.
focus() { xdotool windowactivate --sync "$1"; }

# box_text TITLE: the text of the shown window with this title, read through
# Wine's own window list (set BOX_TEXT to the trelavka-box-text program).
if [ -n "${BOX_TEXT:-}" ]; then
  box_text() {
    "$WINE" "$BOX_TEXT" 2>/dev/null | awk -F '\t' -v t="$1" '$1 == t { print $2; exit }'
  }
fi

# accessible_tree: what a screen reader learns of the desktop now, asked from
# a process of its own (set TREE to the trelavka-accessible-tree program),
# into $work/tree; accessible ROLE NAME prints the first object's line.
if [ -n "${TREE:-}" ]; then
  accessible_tree() {
    "$WINE" "$TREE" >"$work/tree" 2>"$work/tree.err" || fail "the tree program failed: $(cat "$work/tree.err")"
  }
  accessible() { awk -F '\t' -v r="$1" -v n="$2" '$2 == r && $3 == n { print; exit }' "$work/tree"; }
fi

# sound_server: an audio server of the test's own, whose only output is a
# null sink; Wine's PulseAudio driver finds it through XDG_RUNTIME_DIR. Its
# process id in $sound_server_pid. Exits 77 (skipped) where none can start.
sound_server() {
  export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
  mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
  if ! command -v pulseaudio >/dev/null; then
    echo "SKIP: pulseaudio is not installed (tools/install-deps.sh installs it)"
    exit 77
  fi
  spawn /dev/null "$work/pulse.err" pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=out"
  sound_server_pid=$(tail -n 1 "$work/groups")
  if ! wait_for 10 sh -c 'pactl info >/dev/null 2>&1'; then
    echo "SKIP: the audio server does not start here: $(tail -n 3 "$work/pulse.err")"
    exit 77
  fi
}

# record FILE: records the null sink into FILE from now on; its process id
# in $rec_pid. peak FROM TO: the loudest sample between two of its times in
# ms, as sox sees it; loud LEVEL: whether that is a whole chime.
record() {
  rec=$1
  spawn /dev/null "$work/rec.err" parecord --latency-msec=10 --device=out.monitor --file-format=wav "$rec"
  rec_pid=$(tail -n 1 "$work/groups")
  wait_for 15 holds "$rec" 1500 || fail "parecord does not record"
}
seconds() { awk -v t="$1" 'BEGIN { printf "%.3f", t / 1000 }'; }
peak() {
  sox "$rec" -n trim "$(seconds "$1")" "=$(seconds "$2")" stat 2>&1 | awk '/^Maximum amplitude/ {print $NF}'
}
loud() { awk -v a="$1" 'BEGIN { exit !(a > 0.5) }'; }

# about_window_once WINDOW [SECONDS]: opens the about window from the game's
# main window and closes it by its logo, each step within SECONDS (10).
about_window_once() {
  menu "$1" 3 Down Return
  local a
  a=$(wait_window "O Trelavka" "${2:-10}")
  click "$a" 100 100
  wait_gone "O Trelavka" "${2:-10}"
}
