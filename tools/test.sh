#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds everything and runs every test through CTest: a normal build, one
# with AddressSanitizer and UndefinedBehaviorSanitizer, the Windows build
# (cross-built with mingw-w64, its tests under Wine) and the web build
# (Emscripten; the scenario runner under node, the page in headless Chromium).
# Installs what is missing first. Set TRELAVKA_NO_SANITIZE=1 to skip the second
# pass, TRELAVKA_NO_WINDOWS=1 the third, TRELAVKA_NO_WEB=1 the fourth.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
jobs=$(nproc)

echo "== build and test (build/)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELAVKA_BUILD_UI=ON -DTRELAVKA_BUILD_TESTS=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

if [ "${TRELAVKA_NO_SANITIZE:-0}" != 1 ]; then
  echo "== build and test with sanitizers (build-sanitize/)"
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTRELAVKA_SANITIZE=ON -DTRELAVKA_BUILD_UI=ON \
    -DTRELAVKA_BUILD_BENCH=OFF
  cmake --build build-sanitize -j"$jobs"
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs"
fi

if [ "${TRELAVKA_NO_WINDOWS:-0}" != 1 ]; then
  echo "== cross-build the Windows game and test it under Wine (build-win/)"
  cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release
  cmake --build build-win -j"$jobs"
  ctest --test-dir build-win --output-on-failure -j"$jobs"
fi

if [ "${TRELAVKA_NO_WEB:-0}" != 1 ]; then
  echo "== build the web page with Emscripten and test it under node and in Chromium (build-web/)"
  emcmake cmake -S . -B build-web
  cmake --build build-web -j"$jobs"
  ctest --test-dir build-web --output-on-failure -j"$jobs"
fi
