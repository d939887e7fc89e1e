#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Tries the Debian package on a clean Debian 12: installs it with apt (its
# declared dependencies only, no recommendations) into a fresh debootstrap
# tree, then plays a little of the installed game in an X server of our own:
# the welcome box, the window, the housing estate, Ctrl+K. Screenshots go to
# ARTIFACTS. Needs root and Debian's mirror; takes a few minutes.
# Usage: tools/e2e-package-root.sh PACKAGE.deb ARTIFACTS [BASE_TREE]
#   BASE_TREE: a debootstrap tree to start from (made, and kept, if missing);
#   it is copied, never changed.
set -euo pipefail
deb=$(readlink -f "$1")
artifacts=$(readlink -f "$2")
base=${3:-/var/tmp/trelavka-bookworm}
[ "$(id -u)" = 0 ] || { echo "needs root (chroot, mount)" >&2; exit 1; }

E2E_LIMIT=900
. "$(dirname "$0")/../tests/e2e/lib.sh"
mkdir -p "$artifacts"

if [ ! -x "$base/usr/bin/apt-get" ]; then
  note "debootstrap bookworm into $base"
  debootstrap --variant=minbase bookworm "$base" http://deb.debian.org/debian >"$work/debootstrap.log" \
    || { tail "$work/debootstrap.log"; fail "debootstrap failed"; }
fi

# Outside $work: that folder is removed wholesale, and nothing may be removed
# while anything is mounted inside the root.
root=$(mktemp -d /var/tmp/trelavka-root.XXXXXX)
cp -a "$base/." "$root"
leave_root() {
  umount -l "$root/proc" 2>/dev/null || :
  grep -qF " $root/" /proc/mounts || rm -rf "$root"
}
trap 'rc=$?; trap - EXIT; stop_all; leave_root; rm -rf "$work"; exit $rc' EXIT

mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/trelavka.deb"

note "apt-get install ./trelavka.deb (no recommended packages)"
chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get update -q >"$work/apt.log" 2>&1 \
  || { tail "$work/apt.log"; fail "apt-get update failed"; }
chroot "$root" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends /tmp/trelavka.deb >>"$work/apt.log" 2>&1 \
  || { tail -n 30 "$work/apt.log"; fail "the package does not install"; }
grep -E '^(Setting up|Unpacking) ' "$work/apt.log" | wc -l | xargs -I{} echo "-- {} steps; $(chroot "$root" dpkg-query -W | wc -l) packages in the root"
cp "$work/apt.log" "$artifacts/apt.log"

# The X server runs outside; the game reaches it through its abstract socket,
# which a chroot does not hide.
start_x
note "the installed game, started as its desktop entry starts it"
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/org.example.trelavka.desktop")
(exec setsid chroot "$root" env -i DISPLAY="$DISPLAY" PATH=/usr/games:/usr/bin:/bin HOME=/root \
  $exec_line </dev/null >"$work/game.out" 2>"$work/game.err") &
game_pid=$!
echo "$game_pid" >>"$work/groups"

wait_window "VÍTEJ NOVÝ STAROSTO" 60 >/dev/null  # a fresh root builds its font cache first
shot root-01-welcome
ok_box "VÍTEJ NOVÝ STAROSTO"
w=$(wait_window Trelavka)
menu "$w" 1 Down Down Return
sleep 1
shot root-02-estate "$w"
focus "$w"
xdotool key ctrl+k
game_exit 10 || fail "the game is still running after Ctrl+K"
[ "$game_status" = 0 ] || fail "the game ended with status $game_status"
cp "$work/game.err" "$artifacts/game.err"
note "passed; screenshots in $artifacts"
