#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up of the real game on a fresh X server: exec to the welcome box
# mapped, OK to the main window mapped, peak resident memory; median of RUNS
# runs (12) after one cold run, alternating run by run with the bare program
# of the same toolkit, and the game's figures over the bare one's.
# --quick: one run, to prove it still works.
# --wine: the Windows build under Wine instead, beside a bare Win32 program
# built the same way (bench/bare_win32.cpp).
runs=12 wine=
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
  "$probe" startup "$exe" "$runs" "$bare_exe"
  wine_memory
else
  bare=$(dirname "$probe")/trelavka-bare-qt
  [ -x "$bare" ] || { echo "no $bare; build the target trelavka-bare-qt" >&2; exit 2; }
  "$probe" startup "$game" "$runs" "$bare"
fi
