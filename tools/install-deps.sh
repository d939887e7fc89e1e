#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the game, its tests and its tools need.
# Does nothing when everything is already there; never asks a question.
set -euo pipefail

packages=(
  # build
  cmake g++ make pkgconf
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # sound: the audio server's own client library, driven from a thread of ours
  libpulse-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # fuzzing and sanitizers; the loader's symbols, without which LeakSanitizer
  # cannot name (and so cannot waive by its own rule) the thread-local blocks
  # the loader hands out to libraries loaded later, such as libjpeg's
  clang libclang-rt-14-dev libc6-dbg
  # the mutation check's many rebuilds of one tree (tools/mutate.py builds through it)
  ccache
  # the one bundled UI font (sans-serif with Czech glyphs)
  fonts-liberation2
  # running without a display, driving the window, screenshots
  xvfb xauth xdotool x11-utils imagemagick
  # the front end's start-up and idle benchmarks: an X client of their own
  libxcb1-dev libxcb-xtest0-dev
  # real sound checks and making the sound files
  pulseaudio pulseaudio-utils sox
  # packaging checks
  appstream desktop-file-utils dpkg-dev file
  # trying the package in a clean Debian root (tools/e2e-package-root.sh)
  debootstrap
  # a real window manager for the end-to-end tests
  openbox
  # the Windows build: cross compiler, Wine to run it, the installer
  g++-mingw-w64-x86-64-posix wine64 nsis zip
  # licences and the package as a distribution checks them; reading the manual page
  reuse lintian man-db groff-base
  # reading both desktop builds' accessibility trees (AT-SPI on a private bus)
  at-spi2-core python3-pyatspi dbus-daemon
  # the web build: Emscripten (with node and acorn for its optimizer), a real
  # browser and its driver for the page's tests
  emscripten node-acorn chromium chromium-driver python3-selenium
  # the page's web font: the bundled face cut down to the game's letters (woff2)
  python3-fonttools python3-brotli
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  sudo=sudo
else
  sudo=
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
