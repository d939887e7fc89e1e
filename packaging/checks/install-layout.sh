#!/usr/bin/env bash
# Installs the game into a scratch root and checks what a player's system gets:
# exactly the expected files, the sounds and icons intact, no path into the
# build tree, and a launcher that starts the game where it finds its sounds.
# Usage: install-layout.sh BUILD_DIR SOURCE_DIR APP_ID
build=$1 src=$2 id=$3
. "$(dirname "$0")/lib.sh"

root=$scratch/root
install_game "$build" "$root"
u=$root/usr

expected=(
  bin/trelavka
  libexec/trelavka/trelavka
  share/trelavka/data/about.dat
  share/trelavka/data/rolling.dat
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$u" && find . -type f -printf '%P\n' | sort) \
  || fail "installed files differ from the expected list (< expected, > installed)"
[ -z "$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "something installed outside /usr"

[ -x "$u/bin/trelavka" ] || fail "bin/trelavka is not executable"
[ -x "$u/libexec/trelavka/trelavka" ] || fail "the game binary is not executable"
for s in about rolling; do
  cmp -s "$src/assets/sounds/$s.dat" "$u/share/trelavka/data/$s.dat" || fail "$s.dat differs from the asset"
done
for size in 16 32 48 64 128 256; do
  got=$(png_size "$u/share/icons/hicolor/${size}x${size}/apps/$id.png")
  [ "$got" = "${size}x${size}" ] || fail "icon in ${size}x${size} is '${got:-no PNG}'"
done

# A run path into the build tree would work here and nowhere else.
if readelf -d "$u/libexec/trelavka/trelavka" | grep -E 'R(UN)?PATH' | grep -F "$build"; then
  fail "the installed game still looks for libraries in the build tree"
fi

# The launcher must find the game and its sounds however it is reached, here
# through a link from another folder, as a menu or ~/bin link would.
mkdir "$scratch/elsewhere"
ln -s "$u/bin/trelavka" "$scratch/elsewhere/trelavka"
cd "$scratch"
QT_QPA_PLATFORM=offscreen "$scratch/elsewhere/trelavka" >/dev/null 2>&1 &
pid=$!
cleanup_extra='kill $pid 2>/dev/null; wait $pid 2>/dev/null || :'
want_exe=$(readlink -f "$u/libexec/trelavka/trelavka")
for _ in $(seq 100); do
  [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$want_exe" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the game ended at once when started through the launcher"
  sleep 0.1
done
[ "$(readlink "/proc/$pid/exe")" = "$want_exe" ] || fail "the launcher did not start $want_exe"
[ "$(readlink "/proc/$pid/cwd")" = "$(readlink -f "$u/share/trelavka")" ] \
  || fail "the game runs in $(readlink "/proc/$pid/cwd"), not beside its data folder"
echo "install layout: ok"
