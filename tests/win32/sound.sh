#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows game's sound under Wine, recorded from the null sink of an
# audio server of our own: the working folder's data\ plays before the one
# beside the .exe; with the server stopped while two sounds are asked for, the
# window answers round trips (trelavka-window-ping) throughout, sound comes
# back once it resumes, and Ctrl+K still ends the game at once.
# Exits 77 (skipped) only when no audio server can be started here.
# Usage: sound.sh GAME PING ARTIFACTS   (E2E_PLATFORM_LIB, WINE_TEMPLATE set)
E2E_LIMIT=240
game=$1 ping=$2 artifacts=$3
. "$(dirname "$0")/../e2e/lib.sh"
rm -rf "$artifacts"
mkdir -p "$artifacts"

# Two tones far apart, a second each, told apart by their pitch.
here_tone=440 beside_tone=1320
mkdir -p "$work/program/data" "$work/play/data"
cp "$game" "$work/program/"
sox -n -r 22050 -b 16 -c 1 -t wav "$work/play/data/about.dat" synth 1 sine $here_tone gain -3
sox -n -r 22050 -b 16 -c 1 -t wav "$work/program/data/about.dat" synth 1 sine $beside_tone gain -3
cp "$work/play/data/about.dat" "$work/here.dat"

sound_server
wine_prefix
start_x
record "$work/sound.wav"
start_game "$work/program/trelavka.exe" "$work/play"
wait_window "VÍTEJ NOVÝ STAROSTO" 60 >/dev/null  # Wine starts slowly on a busy machine
ok_box "VÍTEJ NOVÝ STAROSTO"
w=$(wait_window Trelavka)

about_once() { about_window_once "$w" "$@"; }
# pitch_after MARK: the pitch of the sound recorded after MARK (ms of the
# recording), once the recording holds enough of it (the null sink lags);
# one channel (sox counts a stereo pair lower), without the silence around
# it, which would lower the count too.
pitch_after() {
  wait_for 20 holds "$rec" $(($1 + 3500)) || fail "the recording stalled"
  sox "$rec" -n trim "$(seconds "$1")" "=$(seconds "$(held "$rec")")" \
    remix 1 silence 1 0.02 2% reverse silence 1 0.02 2% reverse stat 2>&1 | awk '/^Rough/ {print $NF}'
}
near() { awk -v f="$1" -v want="$2" 'BEGIN { exit !(f > want * 0.9 && f < want * 1.1) }'; }

# chimes TONE WHOSE: the about window's chime is the tone of WHOSE file.
chimes() {
  local mark pitch
  mark=$(held "$rec")
  about_once
  pitch=$(pitch_after "$mark")
  note "pitch $pitch Hz"
  near "$pitch" "$1" || fail "heard $pitch Hz, not the $1 Hz of $2"
}

note "data\\ in the working folder and beside the .exe: the working folder's plays"
chimes $here_tone "the working folder's data\\"
note "no data\\ in the working folder: the one beside the .exe plays"
rm -r "$work/play/data"
chimes $beside_tone "the data\\ beside the .exe"
mkdir "$work/play/data"
cp "$work/here.dat" "$work/play/data/about.dat"

note "the audio server stopped while two sounds are asked for"
stop_pings=$work/stop-pings
spawn "$work/ping.out" "$work/ping.err" "$WINE" "$ping" Trelavka "Z:$stop_pings"
wait_for 20 grep -q . "$work/ping.out" || :
about_once
sleep 0.3
kill -STOP "$sound_server_pid"
stopped_at=$(date +%s%N)
# Each opening plays the chime; the second cuts in on the first, both while
# the player's thread waits on the server.
about_once 20
about_once 20
# The menu and the about window came and went: the window answered. Let the
# stall last long enough to tell a window that waits on it.
while (($(date +%s%N) - stopped_at < 6000000000)); do sleep 0.2; done
stopped_ms=$((($(date +%s%N) - stopped_at) / 1000000))
mark=$(held "$rec")
kill -CONT "$sound_server_pid"
touch "$stop_pings"
wait_for 30 grep -q '^round trips' "$work/ping.out" || fail "the window pings did not end: $(cat "$work/ping.err")"
cp "$work/ping.out" "$artifacts/ping.txt"
note "server stopped for $stopped_ms ms; $(grep '^round trips' "$work/ping.out")"
longest=$(sed -n 's/^round trips .* longest \([0-9.]*\) ms.*/\1/p' "$work/ping.out")
# A window that waited on the server would not answer for about as long as
# the server stood still (the first chime is asked for right after the stop);
# one that does not wait answers within a moment, which on a busy machine
# under Wine can take a few hundred ms.
awk -v l="$longest" -v s="$stopped_ms" 'BEGIN { exit !(l < s / 3) }' \
  || fail "the window did not answer for $longest ms while the server was stopped for $stopped_ms ms"
wait_for 20 holds "$rec" $((mark + 3500)) || fail "the recording stalled"
level=$(peak "$mark" "$(held "$rec")")
note "after the server resumed: peak $level"
loud "$level" || fail "no sound after the server resumed: peak $level"
note "the next chime, after the server resumed"
chimes $here_tone "the working folder's data\\"

note "Ctrl+K while the player waits on a stopped server"
about_once
kill -STOP "$sound_server_pid"
about_once 20
focus "$w"
xdotool key ctrl+k
asked=$(date +%s%N)
game_exit 20 || fail "the game is still running 20 s after Ctrl+K"
ended_ms=$((($(date +%s%N) - asked) / 1000000))
kill -CONT "$sound_server_pid"
note "the game ended $ended_ms ms after Ctrl+K, status $game_status"
# Wine's own end of a process crashes now and then (SIGSEGV, 139) while the
# audio server stands still, also when no sound was asked for during the
# stop: the program has ended by then, and nothing is shown.
case $game_status in
  0) ;;
  139) note "Wine crashed on its way out (status 139), as it does with the server stopped" ;;
  *) fail "the game ended with status $game_status" ;;
esac
((ended_ms < 5000)) || fail "the game took $ended_ms ms to end"
kill -INT "$rec_pid"
wait "$rec_pid" 2>/dev/null || :
cp "$rec" "$artifacts/"
note "passed; the recording and the round trips in $artifacts"
