# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by startup.sh and idle.sh: finds the game and the probe in a build
# folder, starts an X server of our own and stops it on every way out.
# Usage from a script: . "$(dirname "$0")/xvfb.sh"; then $game, $probe, $DISPLAY.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${TRELAVKA_BUILD:-}
if [ -z "$build" ]; then
  # The newest build folder that holds both.
  for b in $(ls -dt "$here"/../build*/ 2>/dev/null); do
    if [ -x "$b/qt/trelavka" ] && [ -x "$b/bench/trelavka-xprobe" ]; then build=$b; break; fi
  done
fi
game=${build%/}/qt/trelavka
probe=${build%/}/bench/trelavka-xprobe
if [ ! -x "$game" ] || [ ! -x "$probe" ]; then
  echo "no build with qt/trelavka and bench/trelavka-xprobe; build them or set TRELAVKA_BUILD" >&2
  exit 2
fi

xvfb_pid=
stop_xvfb() {
  [ -n "$xvfb_pid" ] || return 0
  kill -TERM "$xvfb_pid" 2>/dev/null || :
  for _ in $(seq 50); do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$xvfb_pid" 2>/dev/null || :
  wait "$xvfb_pid" 2>/dev/null || :
  xvfb_pid=
}
trap 'rc=$?; stop_xvfb; exit $rc' EXIT
trap 'exit 143' INT TERM

# The server picks a free display number and writes it to us when it is ready.
# A black root (-br) lets the probe see when a window first paints.
fifo=$(mktemp -u "${TMPDIR:-/tmp}/trelavka-xvfb.XXXXXX")
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -br -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb_pid=$!
read -r -t 15 number <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; exit 1; }
rm -f "$fifo"
export DISPLAY=":$number"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
echo "game: $game; X server :$number; load: $(cut -d' ' -f1-3 /proc/loadavg)"
