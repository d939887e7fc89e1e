#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# make-prefix.sh TEMPLATE: makes the Wine prefix every Windows test copies
# (wineboot takes ~15 s, a copy ~2 s). Kept between runs while Wine is the
# same version; built aside and moved in whole, so a half-made one is never used.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

template=$1
version=$("$WINE" --version)
if [ -f "$template/.made-by" ] && [ "$(cat "$template/.made-by")" = "$version" ]; then
  exit 0
fi

mkdir -p "$(dirname "$template")"
tmp=$(mktemp -d "$template.new.XXXXXX")
export WINEPREFIX=$tmp
cleanup() {
  "$WINESERVER" -k 2>/dev/null || :
  "$WINESERVER" -w 2>/dev/null || :
  rm -rf "$tmp"
}
trap cleanup EXIT
unset DISPLAY
"$WINE" wineboot -i >"$tmp.log" 2>&1 || { cat "$tmp.log" >&2; exit 1; }
"$WINESERVER" -w
echo "$version" >"$tmp/.made-by"
rm -rf "$template" "$tmp.log"
mv "$tmp" "$template"
trap - EXIT
