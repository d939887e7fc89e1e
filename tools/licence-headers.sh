#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every tracked file that can carry a comment the SPDX header REUSE asks
# for; what cannot (art, sounds, golden transcripts, the font, the package's
# templates) is covered by .reuse/dep5. Files that already have a header are
# left alone, so this is safe to run again after adding files. Then
# `reuse lint` tells whether all is covered.
set -euo pipefail
# Read whole before it runs: it annotates itself too.
{
cd "$(dirname "$0")/.."
who=("--copyright=Tým Trelavka" --year=2026)
dep5='^(LICENSES/|\.reuse/|assets/(images|sounds|fonts)/|docs/.*\.png$|tests/scenarios/.*\.(scenario|expected|stderr|input)$|tests/fuzz/corpus/|tests/fuzz/scenario\.dict$|packaging/(changelog|copyright)\.in$|packaging/man/|packaging/win32/README\.txt\.in$)'
mapfile -t files < <(git ls-files | grep -Ev "$dep5")

annotate() {  # annotate LICENCE [--style=S] FILE...
  local licence=$1
  shift
  reuse annotate "${who[@]}" --license="$licence" --skip-existing "$@" >/dev/null
}
metadata=() hash=() xml=() c=() known=()
for f in "${files[@]}"; do
  case "$f" in
    *.metainfo.xml*) metadata+=("$f") ;;
    # Unknown to reuse by their names, so their comment style is named here.
    .ci/*|*.supp|*.desktop|*.in|*.nsi|*.nsh) hash+=("$f") ;;
    *.manifest) xml+=("$f") ;;
    *.rc) c+=("$f") ;;
    *) known+=("$f") ;;
  esac
done
# The AppStream metadata is free for anyone to reuse, as software centres ask.
[ ${#metadata[@]} -eq 0 ] || annotate CC0-1.0 --style=html "${metadata[@]}"
[ ${#hash[@]} -eq 0 ] || annotate GPL-3.0-or-later --style=python "${hash[@]}"
[ ${#xml[@]} -eq 0 ] || annotate GPL-3.0-or-later --style=html "${xml[@]}"
[ ${#c[@]} -eq 0 ] || annotate GPL-3.0-or-later --style=c "${c[@]}"
# One file of a kind reuse does not know must not hold up the rest; `reuse
# lint` names it afterwards, for a line above or in .reuse/dep5.
[ ${#known[@]} -eq 0 ] || annotate GPL-3.0-or-later --skip-unrecognised "${known[@]}"
exit
}
