#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Validates the installed desktop entry and AppStream metadata, and checks that
# the desktop entry, the metadata and the icons name the same application.
# Usage: metadata.sh BUILD_DIR APP_ID
build=$1 id=$2
. "$(dirname "$0")/lib.sh"

root=$scratch/root
install_game "$build" "$root"
u=$root/usr
desktop=$u/share/applications/$id.desktop
meta=$u/share/metainfo/$id.metainfo.xml

out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate has remarks: $out"

out=$(appstreamcli validate --no-net --pedantic "$meta" 2>&1) || fail "appstreamcli validate: $out"
grep -q 'Validation was successful' <<<"$out" || fail "appstreamcli validate: $out"
! grep -qE '^[EWIP]: ' <<<"$out" || fail "appstreamcli has remarks: $out"
# The whole tree, as a software centre sees it.
out=$(appstreamcli validate-tree --no-net "$u" 2>&1) || fail "appstreamcli validate-tree: $out"

field() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
[ "$(field Icon)" = "$id" ] || fail "the desktop entry's icon is '$(field Icon)', not $id"
[ -x "$u/games/$(field Exec | cut -d' ' -f1)" ] || fail "the desktop entry runs '$(field Exec)', which is not installed"
grep -q "<id>$id</id>" "$meta" || fail "the metadata's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$meta" \
  || fail "the metadata does not launch $id.desktop"
echo "metadata: ok"
