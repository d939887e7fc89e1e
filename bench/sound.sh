#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The sound player on bad files with a sound really playing: a private audio
# server whose only output is a null sink, then trelavka-sound-bench; then
# resident memory and heap over 5000 about windows (--quick: 20), each with
# its chime, on an X server of its own (trelavka-about-bench).
#   bench/sound.sh [--quick]      (TRELAVKA_BUILD: the build folder to use)
# Without pulseaudio it runs with no audio device and says so.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${TRELAVKA_BUILD:-}
if [ -z "$build" ]; then
  for b in $(ls -dt "$here"/../build*/ 2>/dev/null); do
    [ -x "$b/bench/trelavka-sound-bench" ] && { build=$b; break; }
  done
fi
bench=${build%/}/bench/trelavka-sound-bench
[ -x "$bench" ] || { echo "no bench/trelavka-sound-bench in a build folder; set TRELAVKA_BUILD" >&2; exit 2; }
build=$(cd "$build" && pwd)
bench=$build/bench/trelavka-sound-bench

work=$(mktemp -d "${TMPDIR:-/tmp}/trelavka-sound.XXXXXX")
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER PULSE_SINK
cleanup() {
  # Only the server that this script started, by the pid it wrote in our folder.
  local pid
  pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid" 2>/dev/null || :)
  if [ -n "$pid" ]; then
    kill -TERM "$pid" 2>/dev/null || :
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$pid" 2>/dev/null || :
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' INT TERM

if command -v pulseaudio >/dev/null &&
   pulseaudio -D -n --exit-idle-time=-1 --system=false \
     --load=module-native-protocol-unix --load="module-null-sink sink_name=out" >"$work/pa.log" 2>&1; then
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
else
  echo "no audio server could be started: measuring with no audio device"
fi
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
"$bench" "$@" 2> >(grep -v -e XDG_RUNTIME_DIR -e 'secure directory' -e pa_context_connect -e 'No audio device' -e 'runtime directory' >&2)
openings=5000
[ "${1:-}" = --quick ] && openings=20
# On X, not offscreen: only a real platform asks the window's icon for its
# images, which is where the about window's memory went.
(cd "$build/qt" && xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
  env QT_QPA_PLATFORM=xcb "$build/bench/trelavka-about-bench" "$openings") \
  2> >(grep -v -e XDG_RUNTIME_DIR -e 'secure directory' -e 'runtime directory' >&2)
