#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package and checks its control data and contents: the Qt
# runtime it depends on, the files it holds, that every library the game
# loads belongs to a package it declares, and that Debian's own checker
# (lintian --pedantic) finds no error and no warning.
# Usage: deb.sh BUILD_DIR APP_ID VERSION
build=$1 id=$2 version=$3
. "$(dirname "$0")/lib.sh"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
  || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Package)" = trelavka ] || fail "package name is $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version is $(dpkg-deb -f "$deb" Version)"
[ "$(dpkg-deb -f "$deb" Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong architecture"
depends=$(dpkg-deb -f "$deb" Depends)
declared=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for lib in libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -qx "$lib" <<<"$declared" || fail "$lib missing from Depends: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = libpulse0 ] || fail "Recommends is not libpulse0: $(dpkg-deb -f "$deb" Recommends)"

files=$(dpkg-deb -c "$deb" | awk '{print $NF}' | grep -v '/$')
for f in ./usr/games/trelavka ./usr/share/games/trelavka/data/about.dat \
         ./usr/share/games/trelavka/data/rolling.dat "./usr/share/applications/$id.desktop" \
         "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/48x48/apps/$id.png" \
         ./usr/share/doc/trelavka/copyright ./usr/share/man/cs/man6/trelavka.6.gz; do
  grep -qxF "$f" <<<"$files" || fail "$f is not in the package"
done
! grep -v '^\./usr/' <<<"$files" || fail "files outside /usr in the package"
! grep -q scenario <<<"$files" || fail "a developer tool slipped into the package"

# Every library the game needs must come from a declared package (or from a
# package that one of them depends on: the loader, libc, libstdc++).
dpkg-deb -x "$deb" "$scratch/x"
game=$scratch/x/usr/games/trelavka
# Read whole, once: a reader that stops at the first match would kill the
# writer with SIGPIPE, and pipefail would end the check without a word.
cache=$(PATH=$PATH:/usr/sbin:/sbin ldconfig -p)  # not on an ordinary user's PATH

# owner_of PATH: the package that holds PATH. With merged /usr the loader may
# name /lib/... while dpkg recorded /usr/lib/..., or the other way round.
owner_of() {
  local real=$(readlink -f "$1") candidate found
  for candidate in "$1" "$real" "${1#/usr}" "/usr${1#/usr}" "${real#/usr}" "/usr${real#/usr}"; do
    if found=$(dpkg -S "$candidate" 2>/dev/null); then
      head -n1 <<<"$found" | cut -d: -f1
      return 0
    fi
  done
  return 1
}

while read -r needed; do
  path=$(awk -v n="$needed" '$1 == n && /x86-64|64bit|AArch64/ && !p {p = $NF} END {print p}' <<<"$cache")
  [ -n "$path" ] || fail "$needed is not installed here"
  owner=$(owner_of "$path") || fail "no package holds $path ($needed)"
  grep -qx "$owner" <<<"$declared" || fail "$needed comes from $owner, which the package does not declare"
done < <(readelf -d "$game" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
# Info-level and pedantic remarks are shown, but only errors and warnings fail.
lintian --pedantic --no-cfg --fail-on error,warning "$deb" || fail "lintian: errors or warnings (above)"
echo "deb: ok ($(basename "$deb"); Depends: $depends)"
