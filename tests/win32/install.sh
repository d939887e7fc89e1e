#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tým Trelavka
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows game as a player installs it, under Wine: the zip's files, the
# silent installer twice (leaving another program of the same maker alone),
# the Start-menu link, the installed game's chime, its address, broken sound
# files each followed by a chime that still plays, Ctrl+K, and an uninstall
# that leaves no file or registry key of ours. README.txt begins with its text.
# Exits 77 (skipped) only when no audio server can be started here.
# Usage: install.sh CPACK_CONFIG ARTIFACTS   (E2E_PLATFORM_LIB, WINE_TEMPLATE set)
E2E_LIMIT=540  # a hang guard under CTest's 600 s: a busy machine is slow, not wrong
cpack_config=$1 artifacts=$2
. "$(dirname "$0")/../e2e/lib.sh"
rm -rf "$artifacts"
mkdir -p "$artifacts"

note "the zip and the installer"
cpack --config "$cpack_config" -G "ZIP;NSIS" -B "$work/pkg" >"$work/cpack.log" 2>&1 \
  || fail "cpack failed: $(tail -n 20 "$work/cpack.log")"
zip=$(ls "$work"/pkg/trelavka-*-win64.zip) || fail "no zip"
setup=$(ls "$work"/pkg/trelavka-*-win64.exe) || fail "no installer"
top=$(basename "$zip" .zip)
cmake -E tar tf "$zip" | sort >"$work/zip.list"
printf '%s\n' "$top/LICENSE-font.txt" "$top/LICENSE.txt" "$top/README.txt" \
  "$top/data/about.dat" "$top/data/rolling.dat" "$top/trelavka.exe" >"$work/zip.want"
diff -u "$work/zip.want" <(grep -v '/$' "$work/zip.list") || fail "the zip holds other files"
# A player opens README.txt to read about the game, not a licence header.
version=${top#trelavka-} version=${version%-win64}
readme_starts_with_text() {
  local first
  first=$(head -n 1 "$1" | tr -d '\r')
  [ "$first" = "Trelavka $version" ] || fail "$2's README.txt begins \"$first\", not \"Trelavka $version\""
}
(cd "$work" && cmake -E tar xf "$zip" "$top/README.txt") || fail "cannot unpack README.txt"
readme_starts_with_text "$work/$top/README.txt" "the zip"
file "$setup" | grep -q 'PE32+' || fail "the installer is not a 64-bit program: $(file "$setup")"

sound_server

# ours NAME: every file of the prefix and every line of its software registry
# that names us, into $work/NAME; the ones already there before the install
# are not ours (the stand-in browser lives in a folder of that name).
ours() {
  local hive
  {
    (cd "$WINEPREFIX/drive_c" && find . | sed 's/^/file /')
    for hive in 'HKLM\Software' 'HKCU\Software'; do
      "$WINE" reg export "$hive" "Z:$work/export.reg" /y >/dev/null 2>&1 || fail "cannot export $hive"
      iconv -f UTF-16 -t UTF-8 "$work/export.reg" | tr -d '\r'
    done
  } | grep -i trelavka | sort >"$work/$1" || :
}

note "silent install, twice"
wine_prefix
ours before-install
"$WINE" "$setup" /S >"$work/setup.out" 2>&1 || fail "the installer failed: $(cat "$work/setup.out")"
# Installing again first uninstalls what is there, and must leave another
# program of the same maker alone, and with it the maker's key; that program
# is gone again before the last uninstall, which then removes the maker's key.
other='HKLM\Software\Tým Trelavka\Jiná hra'
"$WINE" reg add "$other" /v Verze /d 1 /f >/dev/null 2>&1 || fail "cannot add $other"
"$WINE" "$setup" /S >"$work/setup.out" 2>&1 || fail "the second install failed: $(cat "$work/setup.out")"
"$WINE" reg query "$other" >/dev/null 2>&1 || fail "installing again removed another program's key"
"$WINE" reg delete "$other" /f >/dev/null 2>&1 || fail "cannot delete $other"
dir="$WINEPREFIX/drive_c/Program Files/Trelavka"
for f in trelavka.exe data/about.dat data/rolling.dat README.txt LICENSE.txt Uninstall.exe; do
  [ -s "$dir/$f" ] || fail "the installer did not put $f in C:\\Program Files\\Trelavka"
done
readme_starts_with_text "$dir/README.txt" "the installer"
links="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Trelavka"
[ -s "$links/Trelavka.lnk" ] || fail "no Start-menu link: $(ls -R "$WINEPREFIX/drive_c/ProgramData" | head)"
strings -el "$links/Trelavka.lnk" | grep -qx 'C:\\Program Files\\Trelavka' \
  || fail "the link does not start the game in its folder: $(strings -el "$links/Trelavka.lnk" | tr '\n' '|')"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trelavka'
"$WINE" reg query "$key" >"$work/key.txt" 2>&1 || fail "no uninstall entry: $(cat "$work/key.txt")"
for v in DisplayName UninstallString DisplayIcon; do
  grep -q "$v" "$work/key.txt" || fail "the uninstall entry has no $v"
done
grep -q 'DisplayIcon.*trelavka\.exe' "$work/key.txt" || fail "the uninstall entry's icon is not the game's"

start_x
record "$work/sound.wav"

note "the installed game starts where its link starts it"
start_game "$dir/trelavka.exe" "$dir"
wait_window "VÍTEJ NOVÝ STAROSTO" 60 >/dev/null  # Wine starts slowly on a busy machine
ok_box "VÍTEJ NOVÝ STAROSTO"
w=$(wait_window Trelavka)
shot installed "$w"

marks=()
# chime: opens the about window with the real sound in place, marks where in
# the recording its chime must be, and lets the recording take all of it in
# before anything else plays (a new sound cuts the old one short).
chime() {
  local mark
  cp "$src_sounds/about.dat" "$dir/data/about.dat"
  mark=$(held "$rec")
  marks+=("$1:$mark")
  about_window_once "$w"
  wait_for 20 holds "$rec" $((mark + 3500)) || fail "the recording stalled"
}

# Broken files, silent in content, so that any sound heard is the chime.
bad=$work/bad
mkdir -p "$bad"
src_sounds=$work/good
mkdir -p "$src_sounds"
cp "$dir/data/about.dat" "$src_sounds/"
le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }
fmt16() { printf 'fmt '; le32 16; printf '\x01\x00\x01\x00'; le32 22050; le32 44100; printf '\x02\x00\x10\x00'; }
zeros() { head -c "$1" /dev/zero; }
# data chunk of an odd length (half a sample too many), with its pad byte
{ printf RIFF; le32 $((4 + 24 + 8 + 44102)); printf WAVE; fmt16; printf data; le32 44101; zeros 44102; } >"$bad/odd-data.dat"
# a LIST chunk of odd size before the data
{ printf RIFF; le32 $((4 + 24 + 12 + 8 + 44100)); printf WAVE; fmt16; printf LIST; le32 3; printf 'abc\0'
  printf data; le32 44100; zeros 44100; } >"$bad/odd-list.dat"
# a header that claims 2 GB of sound
{ printf RIFF; le32 2147483647; printf WAVE; fmt16; printf data; le32 2147483600; zeros 22050; } >"$bad/huge-claim.dat"
head -c 1000 "$src_sounds/about.dat" >"$bad/truncated.dat"
printf 'no sound here %.0s' $(seq 400) >"$bad/text.dat"

note "a chime before any broken file"
chime first

note "the about window's address opens the browser"
menu "$w" 3 Down Return
a=$(wait_window "O Trelavka")
click "$a" 516 318  # the address label
wait_for 10 grep -qx 'http://www.example.org/' "$browser_log" || fail "no browser was asked for the address"
click "$a" 100 100  # the logo
wait_gone "O Trelavka"
for f in odd-data odd-list huge-claim truncated text directory; do
  note "broken sound: $f"
  rm -rf "$dir/data/about.dat"
  case $f in
    directory) mkdir "$dir/data/about.dat" ;;
    *) cp "$bad/$f.dat" "$dir/data/about.dat" ;;
  esac
  about_window_once "$w"
  sleep 0.5  # the player has the broken file before it goes
  game_alive || fail "the game ended after the broken sound $f"
  rm -rf "$dir/data/about.dat"
  chime "after-$f"
done
kill -INT "$rec_pid"
wait "$rec_pid" 2>/dev/null || :

note "Ctrl+K"
focus "$w"
xdotool key ctrl+k
game_exit 10 || fail "the game is still running after Ctrl+K"
[ "$game_status" = 0 ] || fail "the game ended with status $game_status"
cp "$rec" "$artifacts/"

# Each chime is looked for from its mark to the next one.
n=${#marks[@]}
for ((i = 0; i < n; i++)); do
  name=${marks[i]%%:*} from=${marks[i]#*:}
  if ((i + 1 < n)); then to=${marks[i + 1]#*:}; else to=$(held "$rec"); fi
  level=$(peak "$from" "$to")
  note "chime $name: peak $level"
  loud "$level" || fail "no whole chime $name"
done
before=$(peak 0 "${marks[0]#*:}")
awk -v b="$before" 'BEGIN { exit !(b < 0.01) }' || fail "sound before the first chime: peak $before"

note "silent uninstall"
"$WINE" "$dir/Uninstall.exe" /S >"$work/uninstall.out" 2>&1 || fail "the uninstaller failed"
# It runs on from a copy of itself in %TEMP%: wait for every Wine process.
timeout 30 "$WINESERVER" -w || fail "the uninstaller did not finish"
[ ! -e "$dir" ] || fail "the uninstaller left: $(cd "$dir" && find . | tr '\n' ' ')"
[ ! -e "$links" ] || fail "the uninstaller left the Start-menu links"
! "$WINE" reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left its registry entry"
ours after-uninstall
left=$(comm -13 "$work/before-install" "$work/after-uninstall")
[ -z "$left" ] || fail "the uninstaller left: $left"
note "passed; recording and screenshots in $artifacts"
