#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Redraws every picture of the game into assets/images/.
# Usage: tools/draw-art.sh [--preview]   (the preview lands in build-art/out/)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-art"
out="$build/out"
dest="$root/assets/images"

cmake -S "$root/tools/art" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null

rm -rf "$out"
mkdir -p "$out" "$dest"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
"$build/trelavka-art" "$out" "$@"

# files.txt: one "final-name drawn-png" per line, in the generator's order
while read -r name png; do
  case "$name" in
    *.gif)
      convert "$out/$png" +dither "$dest/$name"
      # every GIF picture uses the small palette: the conversion must be exact
      diff=$(compare -metric AE "$out/$png" "$dest/$name" null: 2>&1 || true)
      if [ "$diff" != 0 ]; then
        echo "draw-art: $name differs from its drawing in $diff pixels" >&2
        exit 1
      fi
      ;;
    *.jpg) convert "$out/$png" -quality 90 "$dest/$name" ;;
    *.png) cp "$out/$png" "$dest/$name" ;;
    *.ico) convert "$out/$png" -colors 256 "$dest/$name" ;;
    *) echo "draw-art: no rule for $name" >&2; exit 1 ;;
  esac
  echo "$name"
done < "$out/files.txt"
