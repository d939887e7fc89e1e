#!/usr/bin/env bash
# What the running game costs when the player only watches: Start hry pressed,
# the animations going, SECONDS (60) measured. --quick: 5 s, to prove it works.
#   bench/idle.sh [--quick | SECONDS]
seconds=${1:-60}
[ "$seconds" = --quick ] && seconds=5
. "$(dirname "$0")/xvfb.sh"
"$probe" idle "$game" "$seconds" "$xvfb_pid"
