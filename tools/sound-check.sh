#!/usr/bin/env bash
# Plays the game's sounds through a private audio server whose only output is
# a null sink, records that sink and checks each recording is louder than
# silence; a missing file must stay silent.
#   tools/sound-check.sh PROBE [SOUND...]     (default: assets/sounds/*.dat)
# PROBE is trelavka-sound-probe. Exit 77 when no audio server can be started
# here (CTest counts it as skipped); any other failure is exit 1.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/wav-held.sh"
probe=${1:?usage: tools/sound-check.sh PROBE [SOUND...]}
shift
if [ $# -gt 0 ]; then
  sounds=("$@")
else
  shopt -s nullglob
  sounds=("$root"/assets/sounds/*.dat)
  shopt -u nullglob
fi
if [ ${#sounds[@]} -eq 0 ]; then
  echo "FAIL: no sounds under $root/assets/sounds" >&2
  exit 1
fi

if ! command -v pulseaudio >/dev/null; then
  echo "SKIP: pulseaudio is not installed, no audio server to play into"
  exit 77
fi
for tool in pactl parecord sox; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/install-deps.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER PULSE_SINK
recorder=
cleanup() {
  if [ -n "$recorder" ]; then kill -INT "$recorder" 2>/dev/null || true; wait "$recorder" 2>/dev/null || true; fi
  pulseaudio --kill 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# -n: a fresh set-up, not the remembered sinks of an earlier run.
if ! pulseaudio -D -n --exit-idle-time=-1 --system=false \
    --load=module-native-protocol-unix --load="module-null-sink sink_name=out" \
    >"$work/pulseaudio.log" 2>&1; then
  echo "SKIP: the audio server did not start:"
  sed 's/^/  /' "$work/pulseaudio.log"
  exit 77
fi
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
if ! pactl info >/dev/null 2>&1; then
  echo "SKIP: the audio server started but never answered"
  exit 77
fi

# wait_held FILE MS: until the recording holds MS ms, for 15 s at the most.
wait_held() {
  for _ in $(seq 300); do holds "$1" "$2" && return 0; sleep 0.05; done
  echo "FAIL: the recording stalled short of $2 ms" >&2
  return 1
}

# Plays FILE for MS milliseconds while recording; prints the recording's RMS.
record() {
  local file=$1 ms=$2 rec=$work/rec-$RANDOM.wav
  parecord --device=out.monitor --file-format=wav "$rec" &
  recorder=$!
  wait_held "$rec" 300
  local status=0
  "$probe" "$file" "$ms" >"$work/probe.log" 2>&1 || status=$?
  # Whatever was still on its way when the probe ended is in the file once it
  # has grown by as long again as the probe ran.
  wait_held "$rec" $(($(held "$rec") + ms))
  kill -INT "$recorder"; wait "$recorder" || true
  recorder=
  if [ $status -ne 0 ]; then
    echo "FAIL: the probe failed on $file:" >&2; cat "$work/probe.log" >&2; return 1
  fi
  sox "$rec" -n stat 2>&1 | awk '/RMS +amplitude/{print $3}'
}

# The null sink lags about 2 s behind.
failed=0
for sound in "${sounds[@]}"; do
  seconds=$(sox -t wav "$sound" -n stat 2>&1 | awk '/Length \(seconds\)/{print $3}' || true)
  if [ -z "$seconds" ]; then
    echo "FAIL: $sound is not a sound sox can read" >&2; failed=1; continue
  fi
  ms=$(awk -v s="$seconds" 'BEGIN{printf "%d", (s + 2) * 1000}')
  rms=$(record "$sound" "$ms" || true)
  if [ -n "$rms" ] && awk -v r="$rms" 'BEGIN{exit !(r > 0.01)}'; then
    echo "ok: $(basename "$sound") ${seconds}s, RMS $rms"
  else
    echo "FAIL: $(basename "$sound") came out silent (RMS ${rms:-none})" >&2; failed=1
  fi
done

# Proves the measure tells sound from silence, and a missing file stays quiet.
rms=$(record "$work/no-such-sound.dat" 2000 || true)
if [ -n "$rms" ] && awk -v r="$rms" 'BEGIN{exit !(r <= 0.01)}'; then
  echo "ok: a missing file stays silent, RMS $rms"
else
  echo "FAIL: a missing file did not record as silence (RMS ${rms:-none})" >&2; failed=1
fi
exit $failed
