#!/usr/bin/env bash
# installed-game.sh BUILD_DIR OUT_DIR
# Installs the game to a scratch prefix and checks what lands where, the command line, and what the
# game says when its data is gone. Playing an installed game from another folder is the package
# test's part (deb-package.sh), on the same install rules.
set -euo pipefail
build=$1 out=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
game=$tmp/prefix/bin/ilvys-mission
data=$tmp/prefix/share/ilvys-mission
for f in "$game" "$data/Art/Dude.bmp" "$data/Data/data1.txt" "$data/Data/Music.mid" "$data/Data/Coin.wav" \
         "$data/Data/LiberationSans-Regular.ttf" "$data/Data/LiberationSans-Bold.ttf"; do
  [ -f "$f" ] || { echo "not installed: $f"; exit 1; }
done
[ ! -e "$data/Saves" ] || { echo "an installed game must not carry a Saves folder"; exit 1; }

# The command line, answered before any window opens.
"$game" --version | grep -qx "Ilvy's Mission [0-9.]*"
"$game" --help | grep -q -- "--windowed"
set +e
"$game" --no-such-option >"$tmp/stdout" 2>"$tmp/stderr"
rc=$?
set -e
[ "$rc" -eq 2 ] || { echo "unknown option: exit $rc, expected 2"; exit 1; }
grep -q "^Usage: ilvys-mission" "$tmp/stderr" && [ ! -s "$tmp/stdout" ] || { echo "unknown option: no usage line on stderr"; exit 1; }
# Data gone: the game says what it looked for instead of opening an empty window.
mkdir -p "$tmp/bare/bin" && cp "$game" "$tmp/bare/bin/"
set +e
(cd "$tmp" && "$tmp/bare/bin/ilvys-mission" --windowed 2>"$tmp/stderr")
rc=$?
set -e
[ "$rc" -eq 1 ] && grep -q "share/ilvys-mission" "$tmp/stderr" || { echo "no data: exit $rc, $(cat "$tmp/stderr")"; exit 1; }
echo "installed layout and command line: fine"
