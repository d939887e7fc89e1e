#!/usr/bin/env bash
# Start-up of the real game on a fresh X server: exec to the welcome box
# mapped, OK to the main window mapped, peak resident memory; median of RUNS
# runs (10) after one cold run. --quick: one run, to prove it still works.
runs=10
[ "${1:-}" = --quick ] && runs=1
. "$(dirname "$0")/xvfb.sh"
"$probe" startup "$game" "$runs"
