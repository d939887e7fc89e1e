#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The runner against input no one should write: each row gives the script,
# where the transcript goes ("-": a file; "closed": a pipe nobody reads), the
# exit status wanted and the one error line wanted.
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
# Lines at the limit and one byte over it: their CR LF, LF, or last CR is
# not counted, a CR inside is, and the lines after them are counted as usual.
full() { printf '#'; head -c "$1" /dev/zero | tr '\0' x; }
{ full 65535; printf '\r\ndump\r\njump\r\n'; } >crlf-limit.scenario
{ full 65535; printf '\r'; } >cr-end.scenario
{ full 65536; printf '\r\ndump\r\n'; } >crlf-over.scenario
{ full 65536; printf '\n'; } >lf-over.scenario
{ full 65535; printf '\rx\r\n'; } >cr-inside.scenario
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
  "CR LF at limit   | crlf-limit.scenario| -        | 2 | crlf-limit.scenario:3: unknown command 'jump'"
  "CR at end        | cr-end.scenario   | -         | 0 | "
  "CR LF over limit | crlf-over.scenario| -         | 2 | crlf-over.scenario:1: line longer than 65536 bytes"
  "LF over limit    | lf-over.scenario  | -         | 2 | lf-over.scenario:1: line longer than 65536 bytes"
  "CR inside        | cr-inside.scenario| -         | 2 | cr-inside.scenario:1: line longer than 65536 bytes"
  "closed pipe      | plain.scenario    | closed    | 1 | trelavka-scenario: the transcript could not be written"
)

trim() { local s=${1#"${1%%[! ]*}"}; printf '%s' "${s%"${s##*[! ]}"}"; }
failed=0 passed=0
for row in "${cases[@]}"; do
  IFS='|' read -r -d '' name script out status want <<<"$row"
  name=$(trim "$name") script=$(trim "$script") out=$(trim "$out") status=$(trim "$status")
  want=$(trim "${want%$'\n'}")
  [ "$out" = - ] && out=$work/out
  closed=
  [ "$out" = closed ] && closed=1 out=$work/out
  # SIGPIPE as a shell usually leaves it: the runner must see to it itself.
  runner_cmd=(env --default-signal=PIPE "$runner" "$script")
  [ "$name" = unreadable ] && runner_cmd=("${as_reader[@]}" "${runner_cmd[@]}")
  # Memory stays bounded on an endless line: 1 GiB is plenty (the sanitizers
  # reserve terabytes of address space, and so does node for a WebAssembly
  # module's memory, so there the time limit must do).
  (
    [ "${TRELAVKA_SANITIZE:-OFF}" = ON ] || [ "${HOSTILE_NO_MEMORY_LIMIT:-0}" = 1 ] ||
      ulimit -v 1048576
    if [ -n "$closed" ]; then
      # A pipe whose reader has gone, as after `| head -1`: opened both ways
      # so that opening it for writing does not wait, then the reader closed.
      rm -f "$work/pipe"
      mkfifo "$work/pipe"
      exec 3<>"$work/pipe" 1>"$work/pipe" 3<&-
    fi
    exec timeout 20 "${runner_cmd[@]}"
  ) >"$out" 2>"$work/err"
  got=$?
  err=$(cat "$work/err")
  why=
  [ "$got" = "$status" ] || why="exit $got, wanted $status;"
  [ "$err" = "$want" ] || why="$why error line $(printf '%q' "$err"), wanted $(printf '%q' "$want");"
  case $name in "byte-order mark" | "CR LF at limit")
    grep -q '^= clock 0$' "$out" || why="$why the dump after it did not run;" ;;
  esac
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
