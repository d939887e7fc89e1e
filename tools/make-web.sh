#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the browser game with Emscripten: the page in build-web/web/site/
# (serve that folder from any web server, at any path) and the same folder
# packed as build-web/trelavka-VERSION-web.zip.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
emcmake cmake -S . -B build-web >/dev/null
cmake --build build-web -j"$(nproc)" --target trelavka-web trelavka-web-zip
echo "page: $PWD/build-web/web/site/"
echo "zip:  $(ls "$PWD"/build-web/trelavka-*-web.zip)"
