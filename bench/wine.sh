# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced after xvfb.sh by the benchmarks that run the Windows build too:
# finds trelavka.exe, gives it a Wine prefix of its own (a copy of the tests'
# template where one is there, else a new one) and a Wine server that stays up
# between runs, as it would on a desktop; all of it goes on every way out.
# Sets $exe, $bare_exe (the bare Win32 program) and $wineserver_pid.
wbuild=${TRELAVKA_WIN_BUILD:-$here/../build-win}
exe=$(readlink -f "$wbuild/win32/trelavka.exe" 2>/dev/null || :)
bare_exe=$(readlink -f "$wbuild/bench/trelavka-bare.exe" 2>/dev/null || :)
if [ ! -f "$exe" ] || [ ! -f "$bare_exe" ]; then
  echo "no $wbuild/win32/trelavka.exe or bench/trelavka-bare.exe; cross-build them or set TRELAVKA_WIN_BUILD" >&2
  exit 2
fi
. "$here/../tests/win32/wine-env.sh"
export TRELAVKA_WINE=$WINE

wine_dir=$(mktemp -d "${TMPDIR:-/tmp}/trelavka-bench-wine.XXXXXX")
export WINEPREFIX=$wine_dir/prefix
wineserver_pid=
stop_wine() {
  "$WINESERVER" -k 2>/dev/null || :
  timeout 10 "$WINESERVER" -w 2>/dev/null || :
  rm -rf "$wine_dir"
}
trap 'rc=$?; stop_wine; stop_xvfb; exit $rc' EXIT

if [ -d "$wbuild/tests/win32/prefix-template" ]; then
  cp -a "$wbuild/tests/win32/prefix-template" "$WINEPREFIX"
else
  "$here/../tests/win32/make-prefix.sh" "$WINEPREFIX"
fi
"$WINESERVER" -p
# Ours is the one whose environment names our prefix.
for _ in $(seq 50); do
  for p in $(pgrep -x wineserver64 -U "$(id -u)" || :); do
    grep -qxz "WINEPREFIX=$WINEPREFIX" "/proc/$p/environ" 2>/dev/null && wineserver_pid=$p
  done
  [ -n "$wineserver_pid" ] && break
  sleep 0.1
done
[ -n "$wineserver_pid" ] || { echo "the Wine server did not start" >&2; exit 1; }
echo "windows game: $exe; Wine server $wineserver_pid"

# wine_memory: the resident and peak memory of Wine's own processes in our
# prefix (its server and the system services it starts with the first
# program), which a Windows game under Wine costs on top of its own.
wine_memory() {
  local p rss=0 pss=0 hwm=0 names=
  for p in $(pgrep -U "$(id -u)" || :); do
    grep -qxz "WINEPREFIX=$WINEPREFIX" "/proc/$p/environ" 2>/dev/null || continue
    rss=$((rss + $(awk '/^VmRSS/ {print $2}' "/proc/$p/status" 2>/dev/null || echo 0)))
    hwm=$((hwm + $(awk '/^VmHWM/ {print $2}' "/proc/$p/status" 2>/dev/null || echo 0)))
    # Shared pages counted once in all, not once per process.
    pss=$((pss + $(awk '/^Pss:/ {print $2}' "/proc/$p/smaps_rollup" 2>/dev/null || echo 0)))
    names+=" $(cat "/proc/$p/comm" 2>/dev/null)"
  done
  echo "Wine's own processes:$names; resident $((rss / 1024)) MB (proportional $((pss / 1024)) MB)," \
    "peaks adding up to $((hwm / 1024)) MB"
}
