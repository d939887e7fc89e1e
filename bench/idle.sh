#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the running game costs when the player only watches: Start hry pressed,
# the animations going, SECONDS (60) measured. --quick: 5 s, to prove it works.
# --wine: the Windows build under Wine, with the Wine server's CPU beside it,
# then once more to count the game's real wake-ups (perl stamps the log).
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
  # Under Wine a thread also blocks on every request it makes of the server,
  # so the wake-ups above count those too. Again, with a server that logs
  # each request: how often the game's thread left its wait, from "Start hry"
  # (the day timer first set) to the game's end.
  "$WINESERVER" -k 2>/dev/null || :
  timeout 10 "$WINESERVER" -w 2>/dev/null || :
  "$WINESERVER" -f -p -d1 2>&1 >/dev/null | perl -MTime::HiRes=time -ne 'printf "%.3f %s", time, $_' \
    > "$wine_dir/server.log" &
  sleep 1
  echo "again, the Wine server logging every request:"
  "$probe" idle "$exe" "$seconds" "$xvfb_pid" | grep 'wake-ups per s' || :
  awk -v day="$(printf 'rate=%08x,' 2800)" '
    !tid && index($0, "set_win_timer(") && index($0, day) {tid = $2; from = $1}
    tid && $2 == tid {to = $1; if ($3 == "*wakeup*") n++; else if ($3 ~ /[a-z]\($/) {r++; req[$3]++}}
    END {if (!tid || to <= from) {print "  no day timer in the log"; exit}
         printf "  the game'"'"'s thread left its wait %d times in %.1f s: %.2f per s\n", n, to - from, n / (to - from)
         days = (to - from) / 2.8
         printf "  its requests of the server: %.1f per s, %.1f per game day:", r / (to - from), r / days
         for (q in req) printf " %s %.1f", substr(q, 1, length(q) - 1), req[q] / days
         print ""}' "$wine_dir/server.log"
else
  "$probe" idle "$game" "$seconds" "$xvfb_pid"
fi
