#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the game and starts it, from a working folder whose data/ holds its sounds.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELAVKA_BUILD_UI=ON >/dev/null
cmake --build build -j"$(nproc)" --target trelavka

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Trelavka needs a graphical display; on a machine without one, run it under Xvfb: xvfb-run -a tools/run.sh" >&2
  exit 1
fi
cd build/qt
exec ./trelavka "$@"
