#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of the real game on a fresh X server: exec to the welcome box
# mapped, OK to the main window mapped, peak resident memory; median of RUNS
# runs (10) after one cold run. --quick: one run, to prove it still works.
# --wine: the Windows build under Wine instead, alternating with a bare Win32
# program built the same way (bench/bare_win32.cpp).
runs=10 wine=
for a in "$@"; do
  case $a in
    --quick) runs=1 ;;
    --wine) wine=1 ;;
    *) echo "usage: bench/startup.sh [--quick] [--wine]" >&2; exit 2 ;;
  esac
done
. "$(dirname "$0")/xvfb.sh"
if [ -n "$wine" ]; then
  . "$here/wine.sh"
  # The bare Win32 program (A) and the game (B), run by run; then B's medians over A's.
  "$probe" startup "$bare_exe" "$runs" "$exe" | tee "$wine_dir/startup.out"
  awk '/^[AB]: / {p = substr($1, 1, 1)} /median of/ {sub(/.*median of [0-9]+: /, ""); v = $(NF - 4);
         sub(/ +[0-9.]+ +\(min.*/, ""); m[p, $0] = v; names[$0]}
       END {for (n in names) if (m["A", n] > 0) printf "  game / bare, %-26s %.2fx\n", n, m["B", n] / m["A", n]}' \
    "$wine_dir/startup.out" | sort
  wine_memory
else
  "$probe" startup "$game" "$runs"
fi
