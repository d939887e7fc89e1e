#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the browser game and serves it on 127.0.0.1, printing the address to
# open; Ctrl+C ends it.
#   tools/serve-web.sh [PORT]     (a free port when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."

tools/make-web.sh >/dev/null
exec /usr/bin/python3 web/serve.py build-web/web/site --port "${1:-0}"
