#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the Windows build under Wine in a private X server, as a player would,
# and saves a picture at each step: the welcome box, the main window, a
# banner's tip, a refused purchase, the help box, the about window.
# Usage: tools/win-screenshot.sh [out-folder] [dpi]   (default build-win/shots, 96)
# TRELAVKA_EXE picks another .exe; TRELAVKA_WM=none runs without openbox.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build-win/shots}")
dpi=${2:-96}
exe=$(realpath -m "${TRELAVKA_EXE:-build-win/win32/trelavka.exe}")
[ -f "$exe" ] || { echo "no $exe: cross-build first (README, Windows)" >&2; exit 1; }

display=
for n in $(seq 150 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }

# Debian keeps wine64 and wineserver out of PATH.
export PATH=/usr/lib/wine:$PATH
tmp=$(mktemp -d)
xvfb= wm= game=
export WINEPREFIX=$tmp/prefix WINEDEBUG=-all,err+module
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winealsa.drv="
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  [ -d "$WINEPREFIX" ] && { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# A fresh prefix takes some 15 s; a copy of a ready one 2 s.
template=${XDG_CACHE_HOME:-$HOME/.cache}/trelavka/wine-prefix
mkdir -p "$(dirname "$template")"
(
  flock 9
  if [ ! -f "$template/system.reg" ]; then
    rm -rf "$template.new"
    WINEPREFIX=$template.new wine64 wineboot -i >/dev/null 2>&1
    WINEPREFIX=$template.new wineserver -w
    mv "$template.new" "$template"
  fi
) 9>"$template.lock"
cp -a "$template" "$WINEPREFIX"
if [ "$dpi" != 96 ]; then
  wine64 reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -k; wineserver -w
fi

Xvfb "$display" -screen 0 $((1280 * dpi / 96))x$((1024 * dpi / 96))x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
if [ "${TRELAVKA_WM:-openbox}" = openbox ]; then
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  sleep 0.5
else
  # Without a window manager Wine stalls 2 s on every closed window.
  wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi

mkdir -p "$out"
shot() { sleep "${2:-0.7}"; import -window root "$out/$1.png"; echo "saved $out/$1.png"; }
# Boxes are found by their exact titles, the main window by its own.
box() {
  local w
  w=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -1) || true
  [ -n "$w" ] || { echo "no window titled '$1' within 30 s; see $out/wine.log" >&2; exit 1; }
  echo "$w"
}
closeBox() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; xdotool key Return; }

# From the .exe's folder, where data\ holds the sounds.
(cd "$(dirname "$exe")" && exec wine64 "$exe") >"$out/wine.log" 2>&1 &
game=$!

welcome=$(box 'VÍTEJ NOVÝ STAROSTO')
shot welcome
closeBox "$welcome"
main=$(box 'Trelavka')
shot main 1.5

# The menu bar's titles, from the window's left edge at 96 DPI. xwininfo, not
# xdotool: the latter counts the window manager's frame in.
X=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ {print $4}')
Y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ {print $4}')
# Where the window (menu bar and client area) lies on the pictures.
xwininfo -id "$main" >"$out/main.xwininfo"
scale=$((dpi / 96))
menu() {  # title x, then how many times Down
  xdotool mousemove $((X + $1 * scale)) $((Y + 9 * scale)) click 1
  sleep 0.5
  for _ in $(seq "$2"); do xdotool key Down; sleep 0.1; done
  xdotool key Return
}
# Resting on the telephone banner, below the menu bar: its tip, wrapped.
xdotool mousemove $((X + 580 * scale)) $((Y + 90 * scale))
shot tooltip 1.5
menu 60 2   # Stavby > Hypermarket: the town has no estate yet
refused=$(box 'Nejde postavit')
shot refused
closeBox "$refused"
menu 170 1  # Nápověda > Help
help=$(box 'Nápověda')
shot help
closeBox "$help"
menu 170 2  # Nápověda > O Trelavka
box 'O Trelavka' >/dev/null
shot about 1
xdotool key ctrl+k 2>/dev/null || true
