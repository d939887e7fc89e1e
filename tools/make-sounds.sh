#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Composes the game's two sounds with sox into assets/sounds/:
#   about.dat    a short friendly chime for the about window
#   rolling.dat  a few seconds of an overdriven rock riff for the concert
# Both are RIFF/WAVE, 16-bit PCM, mono, 22050 Hz.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dest="$root/assets/sounds"
mkdir -p "$dest"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# -R: the same noise and dither on every run, so the files only change when this script does
sox() { command sox -R "$@"; }

# pluck needs 44.1 kHz: everything is made there and resampled at the end
one=(sox -q -r 44100 -n -c 1 -b 16)
three=(sox -q -r 44100 -c 3 -n -c 1 -b 16) # three voices mixed into one
final=(-r 22050 -c 1 -b 16 -e signed-integer -t wav)
hz() { awk -v f="$1" -v k="$2" 'BEGIN { printf "%.2f", f * k }'; }

# ---- about.dat: a rising major arpeggio of bell-like notes over a soft chord
chime=(523.25 659.26 783.99 1046.50) # C5 E5 G5 C6
parts=()
for i in "${!chime[@]}"; do
  f="$work/chime$i.wav"
  # a fifth and an octave above, quietly, give the bell its shine
  "${three[@]}" "$f" synth 1.2 sine "${chime[$i]}" sine "$(hz "${chime[$i]}" 3)" sine "$(hz "${chime[$i]}" 2)" \
    fade t 0.004 1.2 1.15 pad "$(hz "$i" 0.14)" gain -6
  parts+=("$f")
done
"${three[@]}" "$work/chord.wav" synth 1.4 pluck 261.63 pluck 329.63 pluck 392.00 lowpass 1800 pad 0.42 gain -10
sox -q -m "${parts[@]}" "$work/chord.wav" "$work/about.wav" trim 0 1.6
sox -q "$work/about.wav" "${final[@]}" "$dest/about.dat" reverb 30 50 40 norm -2 fade q 0 1.6 0.3

# ---- rolling.dat: sixteen eighth notes at about 143 bpm, then a ringing chord
step=0.21
# roots of the power chords, in Hz: E2 E2 G2 E2 A2 E2 D3 C#3 | E2 E2 G2 E2 A2 A2 G2 F#2
riff=(82.41 82.41 98.00 82.41 110.00 82.41 146.83 138.59
      82.41 82.41 98.00 82.41 110.00 110.00 98.00 92.50)
power() { # root, fifth and octave, cut short like a muted string
  "${three[@]}" "$1" synth "$3" pluck "$2" pluck "$(hz "$2" 1.4983)" pluck "$(hz "$2" 2)" fade q 0.002 "$3" "$4"
}
guitar=()
for i in "${!riff[@]}"; do
  power "$work/g$i.wav" "${riff[$i]}" "$step" 0.05
  guitar+=("$work/g$i.wav")
done
power "$work/g-end.wav" 82.41 1.0 0.7
guitar+=("$work/g-end.wav")
sox -q "${guitar[@]}" "$work/guitar-clean.wav"
sox -q "$work/guitar-clean.wav" "$work/guitar.wav" overdrive 30 20 lowpass 3800 gain -8

# drums: kick and snare in a rock pattern, a hi-hat on every eighth, a crash at the end
"${one[@]}" "$work/kick.wav" synth $step sine 120:40 fade q 0.001 $step 0.17
"${one[@]}" "$work/snare.wav" synth $step noise gain -3 lowpass 5000 highpass 180 fade q 0.001 $step 0.19 gain -5
"${one[@]}" "$work/hat.wav" synth $step noise gain -6 highpass 7000 fade q 0.001 0.05 0.045 pad 0 0.16 gain -12
"${one[@]}" "$work/crash.wav" synth 1.0 noise gain -6 highpass 3500 fade t 0.001 1.0 0.95 gain -10
"${one[@]}" "$work/silence.wav" trim 0 1.0
kit=(kick kick snare kick kick kick snare kick kick kick snare kick kick kick snare snare)
beats=()
hats=()
for i in "${!kit[@]}"; do
  # the kick plays only on the beats, the other eighths keep the hi-hat alone
  if [ "${kit[$i]}" = kick ] && [ $((i % 2)) = 1 ] && [ $((i % 8)) != 5 ]; then
    beats+=("$work/hat.wav")
  else
    beats+=("$work/${kit[$i]}.wav")
  fi
  hats+=("$work/hat.wav")
done
beats+=("$work/crash.wav")
hats+=("$work/silence.wav")
sox -q "${beats[@]}" "$work/beats.wav"
sox -q "${hats[@]}" "$work/hats.wav"
sox -q -m "$work/beats.wav" "$work/hats.wav" "$work/drums.wav"

sox -q -m -v 1.0 "$work/guitar.wav" -v 0.8 "$work/drums.wav" "$work/rolling.wav"
sox -q "$work/rolling.wav" "${final[@]}" "$dest/rolling.dat" reverb 20 50 30 norm -1.5 fade q 0 4.36 0.4

for f in about rolling; do
  printf '%s.dat: %s s, %s bytes\n' "$f" "$(soxi -D "$dest/$f.dat")" "$(stat -c %s "$dest/$f.dat")"
done
