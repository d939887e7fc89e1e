#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the game answers on the command line, asked without any display.
# Usage: command-line.sh GAME NAME VERSION
set -euo pipefail
game=$1 name=$2 version=$3
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# expect STATUS ARGS...: runs the game with ARGS, checks its exit status.
expect() {
  local want=$1 got=0
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game" "$@" >"$out" 2>"$err" || got=$?
  [ "$got" = "$want" ] || fail "'$*' exited $got, not $want; stderr: $(cat "$err")"
}

expect 0 --help
grep -q '^Usage: .*trelavka' "$out" && grep -q -- '--version' "$out" || fail "--help printed: $(cat "$out")"
[ ! -s "$err" ] || fail "--help wrote to stderr: $(cat "$err")"

expect 0 --version
[ "$(cat "$out")" = "$name $version" ] || fail "--version printed '$(cat "$out")'"

for wrong in --bogus stray; do
  expect 2 "$wrong"
  [ "$(grep -c "${wrong#--}" "$err")" = 1 ] || fail "'$wrong' is not named once: $(cat "$err")"
  head -n 1 "$err" | grep -q "${wrong#--}" || fail "the first line does not name '$wrong'"
  grep -q '^Usage: ' "$err" || fail "no usage after '$wrong'"
  [ ! -s "$out" ] || fail "'$wrong' wrote to stdout"
done
echo "command line: ok"
