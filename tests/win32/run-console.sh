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
exec "$WINE" "$@"
