# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The end-to-end helpers of tests/e2e/lib.sh for the Windows build under Wine.
# Sourced by tests/e2e/lib.sh when E2E_PLATFORM_LIB names this file, so the
# same play scripts drive both builds. Adds to the X server of that lib a Wine
# prefix of the test's own (a copy of WINE_TEMPLATE), a window manager (without
# one Wine freezes 2 s on every window it hides) and a browser that only writes
# down what it was asked to open; start_game runs an .exe through Wine.
# Every Wine process of the prefix ends with the test, on every way out.
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

[ -d "${WINE_TEMPLATE:-}" ] || fail "WINE_TEMPLATE must name the template Wine prefix"
export WINEPREFIX=$work/prefix
browser_log=$work/browser.log
wm_started=

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

# start_wm: openbox on our display, once; it puts a frame around the window
# and leaves the client (menu bar and client area) as Wine made it.
start_wm() {
  [ -n "$wm_started" ] && return 0
  spawn /dev/null "$work/openbox.err" openbox --sm-disable
  wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' \
    || fail "openbox does not start: $(cat "$work/openbox.err")"
  wm_started=1
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
