#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# run-console.sh PREFIX EXE ARGS...: runs a console program of the Windows
# build in PREFIX (a copy of the template the whole CTest run shares), with
# its standard streams and exit code passed through untouched.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
export WINEPREFIX=$1
shift
unset DISPLAY
# Wine makes the program's UTF-16 command line from the arguments by the
# locale's charset: in a C locale "město" arrives as "mD\x1bsto". With a
# UTF-8 one it arrives whole, as a command line does on Windows.
export LC_ALL=C.UTF-8
exec "$WINE" "$@"
