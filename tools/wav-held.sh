# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the scripts that record the game's sound. A recorder writes in
# chunks that may come seconds late on a busy machine, so the wall clock says
# nothing of a recording's own time; its length does.

# held FILE: how many ms of sound the WAV file being recorded holds so far,
# by its header's byte rate (0 before the header is there).
held() {
  local rate size
  [ -s "$1" ] || { echo 0; return; }
  rate=$(od -An -tu4 -j28 -N4 "$1" | tr -d ' ')
  size=$(stat -c %s "$1")
  if [ "${rate:-0}" -gt 0 ] && [ "$size" -gt 44 ]; then echo $(((size - 44) * 1000 / rate)); else echo 0; fi
}

# holds FILE MS: the recording holds at least MS ms.
holds() { [ "$(held "$1")" -ge "$2" ]; }
