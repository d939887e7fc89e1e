#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The digits of "2500000" in the money counter, as the screen shows them at
# a dpi, stand apart: seven runs of inked columns with at least one column of
# pure background between each two. The field's place is asked of the game
# as a screen reader would (TREE), so no coordinate is written here twice.
# Usage: digit_gaps.sh GAME RUN_DIR ARTIFACTS DPI   (E2E_PLATFORM_LIB, WINE_TEMPLATE, TREE set)
game=$1 run_dir=$2 artifacts=$3 dpi=$4
. "$(dirname "$0")/../e2e/lib.sh"
rm -rf "$artifacts"
mkdir -p "$artifacts"
declare -F accessible_tree >/dev/null || fail "TREE must name the trelavka-accessible-tree program"

start_x
wine_prefix
if [ "$dpi" != 96 ]; then
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 \
    || fail "cannot set the dpi to $dpi"
  "$WINESERVER" -w
fi
start_game "$game" "$run_dir"
wait_window "VÍTEJ NOVÝ STAROSTO" 30 >/dev/null  # Wine starts slowly on a busy machine
ok_box "VÍTEJ NOVÝ STAROSTO"
wait_window Trelavka >/dev/null
accessible_tree
field=$(accessible text Peníze)
[ "$(cut -f 4 <<<"$field")" = 2500000 ] || fail "the money counter reads \"$(cut -f 4 <<<"$field")\""
IFS=, read -r x y w h < <(cut -f 7 <<<"$field")
# Inside the field's one-pixel frame.
import -window root -crop "$((w - 2))x$((h - 2))+$((x + 1))+$((y + 1))" +repage "$artifacts/money-$dpi.png"
convert "$artifacts/money-$dpi.png" -depth 8 ppm:- | "$(dirname "$0")/column_gaps.py" >"$work/runs" \
  || fail "cannot read the field's picture"
runs=$(grep -c -- - "$work/runs" || :)
gap=$(sed -n 's/^gap //p' "$work/runs")
[ "$runs" = 7 ] || fail "at $dpi dpi the 7 digits of 2500000 make $runs runs of ink: $(grep -- - "$work/runs" | tr '\n' ' ') (see $artifacts/money-$dpi.png)"
[ "$gap" -ge 1 ] || fail "at $dpi dpi two digits touch"
note "at $dpi dpi the narrowest gap between the digits of 2500000 is $gap column(s)"
