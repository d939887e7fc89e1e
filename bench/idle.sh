#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the running game costs when the player only watches: Start hry pressed,
# the animations going, SECONDS (60) measured. --quick: 5 s, to prove it works.
# --wine: the Windows build under Wine, with the Wine server's CPU beside it.
#   bench/idle.sh [--wine] [--quick | SECONDS]
seconds=60 wine=
for a in "$@"; do
  case $a in
    --quick) seconds=5 ;;
    --wine) wine=1 ;;
    *) seconds=$a ;;
  esac
done
. "$(dirname "$0")/xvfb.sh"
if [ -n "$wine" ]; then
  . "$here/wine.sh"
  "$probe" idle "$exe" "$seconds" "$xvfb_pid" "$wineserver_pid"
else
  "$probe" idle "$game" "$seconds" "$xvfb_pid"
fi
