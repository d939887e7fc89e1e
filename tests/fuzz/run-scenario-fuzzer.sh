#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the scenario runner's fuzzer with clang in BUILD_DIR and runs it for
# SECONDS on the corpus. Fails (never skips) when clang is missing.
#   run-scenario-fuzzer.sh SOURCE_DIR BUILD_DIR SECONDS
set -euo pipefail
src=$1 build=$2 seconds=$3

if ! command -v clang++ >/dev/null; then
  echo "clang++ is missing; tools/install-deps.sh installs it" >&2
  exit 1
fi
CC=clang CXX=clang++ cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTRELAVKA_BUILD_UI=OFF -DTRELAVKA_BUILD_BENCH=OFF -DTRELAVKA_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" >/dev/null
cmake --build "$build" --target scenario_fuzzer -j2

# New inputs go to a scratch folder; the corpus in the repository stays as it is.
work=$build/corpus-found
mkdir -p "$work"
exec "$build/tests/fuzz/scenario_fuzzer" -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -dict="$src/tests/fuzz/scenario.dict" \
  -artifact_prefix="$build/" "$work" "$src/tests/fuzz/corpus"
