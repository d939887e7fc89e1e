#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# How long the Windows game's window goes unanswered while its sound is
# asked for, under Wine, case by case: data\about.dat as the biggest sound we
# play, as big and no sound, 8 MiB, swapped with a FIFO while asked for, and
# the chime with the audio server stopped. Each case opens the about window
# (which chimes) ROUNDS times, rewriting the file before each opening so
# nothing read before can be kept, while trelavka-window-ping sends the main
# window a message every 5 ms from another program and notes the longest
# round trip. A row "nothing" opens the about window of a game without
# data\: what the machine and Wine alone cost. A frame is 16.7 ms.
#   bench/win32_sound.sh [ROUNDS] [EXE]   (5; build-win/win32/trelavka.exe)
# TRELAVKA_WIN_BUILD names another build folder (for the ping and the prefix).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
rounds=${1:-5}
wbuild=$(cd "${TRELAVKA_WIN_BUILD:-$here/../build-win}" && pwd)
game=$(readlink -f "${2:-$wbuild/win32/trelavka.exe}")
ping=$wbuild/tests/win32/trelavka-window-ping.exe
export WINE_TEMPLATE=$wbuild/tests/win32/prefix-template
for f in "$game" "$ping" "$WINE_TEMPLATE"; do
  [ -e "$f" ] || { echo "no $f: cross-build build-win and run its win32.prefix test first" >&2; exit 2; }
done
E2E_LIMIT=1800
export E2E_PLATFORM_LIB=$here/../tests/win32/lib.sh
. "$here/../tests/e2e/lib.sh"
. "$here/../tools/wav-held.sh"

mkdir -p "$work/program" "$work/play/data"
cp "$game" "$work/program/"
about=$work/play/data/about.dat
# sound BYTES FILE: a 16-bit mono WAV BYTES long in all; no_sound BYTES FILE:
# as long, with a header that promises more than the file holds.
sound() { sox -r 22050 -c 1 -n -b 16 -t wav "$2" synth "$((($1 - 44) / 2))s" sine 440 gain -6; }
no_sound() { { printf 'RIFF\377\377\377\177WAVE'; head -c $(($1 - 12)) /dev/urandom; } >"$2"; }
sound $((16 << 20)) "$work/16.wav"
no_sound $((16 << 20)) "$work/16.bad"
sound $((8 << 20)) "$work/8.wav"
[ "$(stat -c %s "$work/16.wav")" = $((16 << 20)) ] || fail "sox made a 16 MiB sound of $(stat -c %s "$work/16.wav") bytes"
cp "$here/../assets/sounds/about.dat" "$work/chime.wav"

sound_server
echo "load: $(cut -d' ' -f1-3 /proc/loadavg); game: $game"
start_x
start_game "$work/program/trelavka.exe" "$work/play"
# Wine starts slowly on a busy machine.
wait_window "VÍTEJ NOVÝ STAROSTO" 90 >/dev/null
ok_box "VÍTEJ NOVÝ STAROSTO"
w=$(wait_window Trelavka 30)

about_once() { about_window_once "$w" 30; }
# measure NAME PREPARE [DURING]: ROUNDS openings, PREPARE before each (not
# measured: it makes the file), DURING beside the openings; prints the row.
measure() {
  local name=$1 prepare=$2 during=${3:-} stop=$work/stop-$RANDOM i
  spawn "$work/ping.out" "$work/ping.err" "$WINE" "$ping" Trelavka "Z:$stop"
  local ping_pid
  ping_pid=$(tail -n 1 "$work/groups")
  sleep 1
  for ((i = 0; i < rounds; i++)); do
    $prepare
    [ -n "$during" ] && $during start
    about_once
    sleep 0.5
    [ -n "$during" ] && $during end
  done
  sleep 1
  touch "$stop"
  wait_for 60 grep -q '^round trips' "$work/ping.out" || fail "the pings did not end: $(cat "$work/ping.err")"
  printf '%-34s %s\n' "$name" "$(grep '^round trips' "$work/ping.out")"
  while kill -0 "$ping_pid" 2>/dev/null; do sleep 0.1; done
}

printf '%d openings per case, each chiming; %s\n' "$rounds" "the longest round trip to the window"
no_file() { rm -f "$about"; }
measure "nothing (no data\\ file)" no_file
put16() { cp "$work/16.wav" "$about"; }
measure "16 MiB sound, new each opening" put16
put16bad() { cp "$work/16.bad" "$about"; }
measure "16 MiB, not a sound" put16bad
put8() { cp "$work/8.wav" "$about"; }
measure "8 MiB sound, new each opening" put8

# A file that is no sound (so nothing keeps it) swapped with a FIFO as fast
# as can be while the about window opens.
spare=$work/play/data/spare.dat
swapper_pid=
swap() {
  if [ "$1" = start ]; then
    # The last round may have left the FIFO under the file's name.
    rm -f "$about" "$spare"
    printf 'Tohle není zvuk.' >"$about"
    mkfifo "$spare"
    rm -f "$work/swapped"
    (until [ -e "$work/swapped" ]; do
      mv -T "$about" "$work/t" && mv -T "$spare" "$about" && mv -T "$work/t" "$spare"
    done) 2>/dev/null &
    swapper_pid=$!
  else
    # Told to end, not killed: a rename it has begun would land later.
    touch "$work/swapped"
    wait "$swapper_pid" 2>/dev/null || :
    # Frees a reader left waiting on the FIFO, should there be one.
    for f in "$about" "$spare"; do [ -p "$f" ] && timeout 1 sh -c ": >'$f'" 2>/dev/null || :; done
  fi
}
nothing() { :; }
measure "a FIFO swapped in" nothing swap

# The server stopped while the chime plays, then the chime asked for twice
# while the server stands still for 5 s.
chime() { rm -f "$about" "$spare"; cp "$work/chime.wav" "$about"; }
resume_pid=
stopped() {
  if [ "$1" = start ]; then
    about_once
    sleep 0.3
    kill -STOP "$sound_server_pid"
    (sleep 5; kill -CONT "$sound_server_pid") &
    resume_pid=$!
    about_once
  else
    wait "$resume_pid" || :
    kill -CONT "$sound_server_pid"
  fi
}
measure "audio server stopped 5 s" chime stopped
focus "$w"
xdotool key ctrl+k
game_exit 20 || fail "the game is still running 20 s after Ctrl+K"
