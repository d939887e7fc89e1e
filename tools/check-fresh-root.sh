#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the README's test command as a new user would meet it: a fresh clone of
# this repository's current commit on a minimal Debian 12 (debootstrap
# minbase, plus git, sudo and ca-certificates), as an ordinary user with sudo.
# Needs root and Debian's mirror; slow (the packages, then two full builds).
# Not part of CI. Exits with the test command's status.
# Usage: tools/check-fresh-root.sh LOG [BASE_TREE]
#   LOG: the whole output of tools/test.sh in the root.
#   BASE_TREE: the debootstrap tree to copy (made, and kept, if missing);
#   it is copied, never changed, so every run starts from the same fresh root.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 LOG [BASE_TREE]" >&2; exit 2; }
[ "$(id -u)" = 0 ] || { echo "needs root (debootstrap, chroot, mount)" >&2; exit 1; }
log=$(readlink -f "$1")
base=${2:-/var/tmp/trelavka-bookworm-git}
src=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$src" rev-parse HEAD)
note() { echo "-- $(date +%H:%M:%S) $*"; }

if [ ! -x "$base/usr/bin/git" ]; then
  note "debootstrap bookworm (minbase + git sudo ca-certificates) into $base"
  rm -rf "$base"
  debootstrap --variant=minbase --include=git,sudo,ca-certificates bookworm "$base" \
    http://deb.debian.org/debian >"$log.debootstrap" 2>&1 \
    || { tail "$log.debootstrap" >&2; exit 1; }
fi

# Outside /tmp, which the tests fill; removed only once nothing is mounted in it.
root=$(mktemp -d /var/tmp/trelavka-fresh.XXXXXX)
leave() {
  local rc=$?
  trap - EXIT
  # Whatever the tests left running inside (an X server, a sound server).
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill -KILL "${p#/proc/}" 2>/dev/null
  done
  umount -R -l "$root/dev" "$root/sys" "$root/proc" 2>/dev/null || :
  grep -qF " $root/" /proc/mounts || rm -rf "$root"
  exit $rc
}
trap leave EXIT
trap 'exit 143' INT TERM
cp -a "$base/." "$root"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
cp /etc/resolv.conf "$root/etc/resolv.conf"

chroot "$root" useradd -m -s /bin/bash player
echo 'player ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/player"
chmod 0440 "$root/etc/sudoers.d/player"
note "clone of $commit"
git clone -q --no-hardlinks "$src" "$root/home/player/trelavka"
git -C "$root/home/player/trelavka" checkout -q "$commit"
chroot "$root" chown -R player:player /home/player/trelavka

note "tools/test.sh in the root (log: $log)"
status=0
chroot "$root" /usr/bin/env -i HOME=/home/player USER=player LOGNAME=player SHELL=/bin/bash \
  PATH=/usr/local/bin:/usr/bin:/bin:/usr/games TERM=dumb \
  /usr/sbin/runuser -u player -- bash -c 'cd ~/trelavka && tools/test.sh' \
  </dev/null >"$log" 2>&1 || status=$?
grep -E '^(== |[0-9]+% tests passed|The following tests FAILED|[[:space:]]+[0-9]+ - )' "$log" || :
note "tools/test.sh exited $status"
exit $status
