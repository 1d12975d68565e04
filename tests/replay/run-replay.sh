#!/usr/bin/env bash
# run-replay.sh REPLAY GAME_DIR SCRIPT OUT_DIR
# Runs one replay script against a private copy of the game directory, so a test never touches the
# player's saves: Art and Data are linked, Saves starts empty (or from the script's own fixture
# folder, SCRIPT without .txt, when that exists).
set -euo pipefail
replay=$1 game=$2 script=$3 out=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ln -s "$game/Art" "$tmp/Art"
ln -s "$game/Data" "$tmp/Data"
mkdir "$tmp/Saves"
fixture=${script%.txt}.saves
[ -d "$fixture" ] && cp "$fixture"/* "$tmp/Saves/"
mkdir -p "$out"
"$replay" --game-dir "$tmp" --out "$out" "$script"
