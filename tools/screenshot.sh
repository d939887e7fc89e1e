#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the game in a private X server, closes the welcome box as a player
# would and saves a picture of the main window (default docs/screenshot.png).
# TRELAVKA_BIN picks another build of the game.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/screenshot.png}")
bin=$(realpath -m "${TRELAVKA_BIN:-build/qt/trelavka}")

if [ ! -x "$bin" ]; then
  tools/install-deps.sh
  cmake -S . -B build >/dev/null
  cmake --build build -j2 --target trelavka
fi

display=
for n in $(seq 99 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }

xvfb= game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The game reads its sounds from data/ beside the program.
(cd "$(dirname "$bin")" && exec "$bin") >/dev/null 2>&1 &
game=$!

welcome=$(timeout 20 xdotool search --sync --onlyvisible --name 'VÍTEJ NOVÝ STAROSTO' | head -1)
xdotool windowfocus --sync "$welcome"
xdotool key Return
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Trelavka$' | head -1)
sleep 1.5
mkdir -p "$(dirname "$out")"
import -window "$main" "$out"
echo "saved $out ($(identify -format '%wx%h' "$out"))"
