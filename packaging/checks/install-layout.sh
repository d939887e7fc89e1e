#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the game into a scratch root and checks what a player's system gets:
# exactly the expected files, the sounds and icons intact, no path into the
# build tree, and a game that finds its data folder from where it is installed.
# Usage: install-layout.sh BUILD_DIR SOURCE_DIR APP_ID
build=$1 src=$2 id=$3
. "$(dirname "$0")/lib.sh"

root=$scratch/root
install_game "$build" "$root"
u=$root/usr

expected=(
  games/trelavka
  share/games/trelavka/data/about.dat
  share/games/trelavka/data/rolling.dat
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  share/doc/trelavka/copyright
  share/doc/trelavka/changelog.gz
  share/man/man6/trelavka.6.gz
  share/man/cs/man6/trelavka.6.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$u" && find . -type f -printf '%P\n' | sort) \
  || fail "installed files differ from the expected list (< expected, > installed)"
[ -z "$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "something installed outside /usr"

[ -x "$u/games/trelavka" ] || fail "the game is not executable"
for s in about rolling; do
  cmp -s "$src/assets/sounds/$s.dat" "$u/share/games/trelavka/data/$s.dat" || fail "$s.dat differs from the asset"
done
for size in 16 32 48 64 128 256; do
  got=$(png_size "$u/share/icons/hicolor/${size}x${size}/apps/$id.png")
  [ "$got" = "${size}x${size}" ] || fail "icon in ${size}x${size} is '${got:-no PNG}'"
done

# A run path into the build tree would work here and nowhere else.
if readelf -d "$u/games/trelavka" | grep -E 'R(UN)?PATH' | grep -F "$build"; then
  fail "the installed game still looks for libraries in the build tree"
fi

# The game looks for data/ relative to its own folder when the working folder
# has none: that path, compiled in, must lead to the installed sounds.
rel=$(strings -a "$u/games/trelavka" | grep -xE '(\.\./)+[a-z/]*games/trelavka' | head -n 1) \
  || fail "no data path relative to the program in the game"
[ -f "$u/games/$rel/data/about.dat" ] || fail "the game would look for its sounds in games/$rel"

echo "install layout: ok"
