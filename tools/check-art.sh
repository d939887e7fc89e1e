#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the drawn files in assets/images/ against the generator's table:
# GIFs are GIF89a, one frame, the exact size at offset +0+0, no transparency;
# the logo is a JPEG and the icons have their sizes. One line per file.
# Usage: tools/check-art.sh [DIR]   (default assets/images)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-art"
dir="${1:-$root/assets/images}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

cmake -S "$root/tools/art" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null

failed=0
while read -r name size; do
  file="$dir/$name"
  problems=()
  if [ ! -f "$file" ]; then
    problems+=("missing")
  else
    info=$(identify -format '%m %wx%h %g %A %k\n' "$file" 2>/dev/null || echo "unreadable")
    frames=$(printf '%s\n' "$info" | grep -c .)
    read -r format dims page alpha colours <<<"$(printf '%s\n' "$info" | head -n1)"
    [ "$dims" = "$size" ] || problems+=("size $dims, wanted $size")
    case "$name" in
      *.gif)
        [ "$(head -c6 "$file")" = GIF89a ] || problems+=("not GIF89a")
        [ "$format" = GIF ] || problems+=("format $format")
        [ "$frames" = 1 ] || problems+=("$frames frames")
        [ "$page" = "$size+0+0" ] || problems+=("page $page")
        case "$alpha" in False|Undefined) ;; *) problems+=("has transparency") ;; esac
        ;;
      *.jpg) [ "$format" = JPEG ] || problems+=("format $format") ;;
      *.png) [ "$format" = PNG ] || problems+=("format $format") ;;
      *.ico)
        [ "$format" = ICO ] || problems+=("format $format")
        [ "$colours" -le 256 ] || problems+=("$colours colours")
        ;;
    esac
  fi
  if [ ${#problems[@]} -eq 0 ]; then
    echo "ok   $name ${format} ${size} ${colours} colours"
  else
    failed=1
    echo "FAIL $name: ${problems[*]}"
  fi
done < <(QT_QPA_PLATFORM=offscreen "$build/trelavka-art" --list)
exit $failed
