#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The runner against input no one should write: each row gives the script,
# where the transcript goes, the exit status wanted and the one error line
# wanted (a shell pattern: the welcome box may stand before it on stdout).
#   hostile.sh RUNNER
set -uo pipefail
runner=$(readlink -f "${1:?usage: hostile.sh RUNNER}")
work=$(mktemp -d "${TMPDIR:-/tmp}/trelavka-hostile.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

printf 'dump\n' >plain.scenario
printf 'dump\n' >locked.scenario
chmod 000 locked.scenario
printf 'step\n%*s\n' 70000 x >long-line.scenario
{ printf 'menu '; head -c 60000 /dev/zero | tr '\0' x; printf '\n'; } >long-word.scenario
printf 'step\njump\x01\x1b[2J\xff\xc3 now\n' >raw-bytes.scenario
printf 'menu Sídliště\xc2\x85\n' >c1-control.scenario
printf 'jump\n' >"$work/new
line.scenario"
printf '\xef\xbb\xbfdump\r\n' >bom.scenario
mkdir folder.scenario

# Root reads any file: the locked script is read as nobody.
as_reader=()
[ "$(id -u)" = 0 ] && as_reader=(setpriv --reuid=65534 --regid=65534 --clear-groups)
chmod 755 "$work"

#    name            | script            | stdout    | exit | error line
cases=(
  "folder           | folder.scenario   | -         | 2 | folder.scenario:0: cannot read the script: it is a folder"
  "unreadable       | locked.scenario   | -         | 2 | locked.scenario:0: cannot open the script"
  "endless line     | /dev/zero         | -         | 2 | /dev/zero:1: line longer than 65536 bytes"
  "long line        | long-line.scenario| -         | 2 | long-line.scenario:2: line longer than 65536 bytes"
  "full disk        | plain.scenario    | /dev/full | 1 | trelavka-scenario: the transcript could not be written"
  "long word        | long-word.scenario| -         | 2 | long-word.scenario:1: unknown menu item 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...'"
  "raw bytes        | raw-bytes.scenario| -         | 2 | raw-bytes.scenario:2: unknown command 'jump\\x01\\x1b[2J\\xff\\xc3'"
  "C1 control       | c1-control.scenario| -        | 2 | c1-control.scenario:1: unknown menu item 'Sídliště\\xc2\\x85'"
  "newline in name  | $work/new
line.scenario | - | 2 | $work/new\\x0aline.scenario:1: unknown command 'jump'"
  "byte-order mark  | bom.scenario      | -         | 0 | "
)

trim() { local s=${1#"${1%%[! ]*}"}; printf '%s' "${s%"${s##*[! ]}"}"; }
failed=0 passed=0
for row in "${cases[@]}"; do
  IFS='|' read -r -d '' name script out status want <<<"$row"
  name=$(trim "$name") script=$(trim "$script") out=$(trim "$out") status=$(trim "$status")
  want=$(trim "${want%$'\n'}")
  [ "$out" = - ] && out=$work/out
  runner_cmd=("$runner" "$script")
  [ "$name" = unreadable ] && runner_cmd=("${as_reader[@]}" "${runner_cmd[@]}")
  # Memory stays bounded on an endless line: 1 GiB is plenty (the sanitizers
  # reserve terabytes of address space, and so does node for a WebAssembly
  # module's memory, so there the time limit must do).
  (
    [ "${TRELAVKA_SANITIZE:-OFF}" = ON ] || [ "${HOSTILE_NO_MEMORY_LIMIT:-0}" = 1 ] ||
      ulimit -v 1048576
    exec timeout 20 "${runner_cmd[@]}"
  ) >"$out" 2>"$work/err"
  got=$?
  err=$(cat "$work/err")
  why=
  [ "$got" = "$status" ] || why="exit $got, wanted $status;"
  [ "$err" = "$want" ] || why="$why error line $(printf '%q' "$err"), wanted $(printf '%q' "$want");"
  if [ "$name" = "byte-order mark" ] && ! grep -q '^= clock 0$' "$out"; then
    why="$why the dump after the mark did not run;"
  fi
  if [ -n "$why" ]; then
    echo "FAIL: $name: $why"
    failed=$((failed + 1))
  else
    echo "ok: $name"
    passed=$((passed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
