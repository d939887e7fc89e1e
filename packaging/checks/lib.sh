# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the packaging checks: a scratch folder removed whatever happens,
# and an installation of the game's component into it.
set -Eeuo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
# A command that ends a check through set -e names itself.
trap 'echo "FAIL: $(basename "$0") line $LINENO: $BASH_COMMAND exited $?" >&2' ERR

scratch=$(mktemp -d "${TMPDIR:-/tmp}/trelavka-pkg.XXXXXX")
cleanup_extra=:
trap 'rc=$?; eval "$cleanup_extra"; rm -rf "$scratch"; exit $rc' EXIT

# install_game BUILD ROOT: what `cmake --install` gives a system with prefix /usr.
install_game() {
  DESTDIR=$2 cmake --install "$1" --component game --prefix /usr >/dev/null
}

# png_size FILE: "WIDTHxHEIGHT" read from the PNG header, or nothing if it is no PNG.
png_size() {
  local magic w h
  magic=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
  [ "$magic" = 89504e470d0a1a0a ] || return 0
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$1")
  echo "${w}x${h}"
}
