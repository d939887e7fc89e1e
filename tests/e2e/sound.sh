#!/usr/bin/env bash
# Real sound out of the real game: an audio server of our own with a null sink,
# whose monitor we record while the player opens the about window (the game as
# shipped) and then holds the concert (the test build, whose hook sets up the
# 8 000 000 Kč, the Hi-Tech town hall and the estate it needs). Each recording
# must be quiet before the player acts and carry sound after.
# Exits 77 (skipped) only when no audio server can be started here.
# Usage: sound.sh GAME GAME_WITH_HOOK RUN_DIR ARTIFACTS
game=$1 hooked=$2 run_dir=$3 artifacts=$4
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/../../tools/wav-held.sh"
rm -rf "$artifacts"
mkdir -p "$artifacts"

for f in about rolling; do
  [ -s "$run_dir/data/$f.dat" ] || fail "$run_dir/data/$f.dat is missing: nothing to hear"
done

# A server for this test alone: its own runtime folder, home and cookie.
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
if ! command -v pulseaudio >/dev/null; then
  echo "SKIP: pulseaudio is not installed (tools/install-deps.sh installs it)"
  exit 77
fi
spawn /dev/null "$work/pulse.err" pulseaudio -n --daemonize=no --exit-idle-time=-1 --system=false \
  --load=module-native-protocol-unix --load="module-null-sink sink_name=out"
if ! wait_for 10 sh -c 'pactl info >/dev/null 2>&1'; then
  echo "SKIP: the audio server does not start here: $(tail -n 3 "$work/pulse.err")"
  exit 77
fi

rec_pid=
# record NAME: starts recording and returns once the file holds the quiet
# stretch before the player acts.
record() {
  spawn /dev/null "$work/rec.err" parecord --device=out.monitor --file-format=wav "$work/$1.wav"
  rec_pid=$(tail -n 1 "$work/groups")
  wait_for 15 holds "$work/$1.wav" 1500 || fail "parecord does not record"
}
stop_recording() {
  kill -INT "$rec_pid"
  wait "$rec_pid" 2>/dev/null || :
  cp "$work/$1.wav" "$artifacts/"
}
rms() { sox "$1" -n trim "$2" ${3:+"$3"} stat 2>&1 | awk '/RMS +amplitude/ {print $3}'; }
# heard NAME: silent in the first second (before the player acted), sound later.
heard() {
  local before after
  before=$(rms "$work/$1.wav" 0 1)
  after=$(rms "$work/$1.wav" 1.5)
  note "$1: RMS $before before, $after after"
  awk -v b="$before" 'BEGIN { exit !(b < 0.003) }' || fail "$1: sound before the player acted"
  awk -v a="$after" 'BEGIN { exit !(a > 0.01) }' || fail "$1: no sound came out"
}
quit_game() {
  focus "$1"
  xdotool key ctrl+k
  game_exit 10 || fail "the game is still running after Ctrl+K"
  [ "$game_status" = 0 ] || fail "the game ended with status $game_status"
}

start_x

note "the about window chimes (the game as shipped)"
start_game "$game" "$run_dir"
ok_box "VÍTEJ NOVÝ STAROSTO"
w=$(wait_window Trelavka)
record about
menu "$w" 3 Down Return
wait_window "O Trelavka" >/dev/null
shot about
# The chime lasts 1.6 s; the file is let run 4 s past the moment it was asked for.
wait_for 20 holds "$work/about.wav" $(($(held "$work/about.wav") + 4000)) || fail "the recording stalled"
stop_recording about
heard about
quit_game "$w"

note "the concert plays (the test build, set up through its hook)"
start_game "$hooked" "$run_dir" --hook
ok_box "VÍTEJ NOVÝ STAROSTO"
w=$(wait_window Trelavka)
hook set Text1 8000000 >/dev/null
hook show Picture24 >/dev/null
hook show Picture10 >/dev/null
record concert
# Ostatní > Speciální akce > Mega koncert Brontovox
menu "$w" 2 Down Down Down Right Return
wait_window KONCERT >/dev/null
expect_field text "Hudba je slyšet všude po okolí"
visible Picture31 || fail "the concert stage is not on the map"
expect_field Text1 0
shot concert
ok_box KONCERT  # the music starts once the box is closed
# The riff lasts 4.4 s; the file is let run 6 s past the box's closing.
wait_for 20 holds "$work/concert.wav" $(($(held "$work/concert.wav") + 6000)) || fail "the recording stalled"
stop_recording concert
heard concert
quit_game "$w"
note "passed; recordings and screenshots in $artifacts"
