#!/usr/bin/env bash
# run-soak.sh SOAK GAME_DIR OUT_DIR FRAMES SEED
# A short random-input soak in a private copy of the game directory (Art and Data linked, Saves
# empty), so the saves it makes never touch the player's.
set -euo pipefail
soak=$1 game=$2 out=$3 frames=$4 seed=$5
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ln -s "$game/Art" "$tmp/Art"
ln -s "$game/Data" "$tmp/Data"
mkdir "$tmp/Saves"
mkdir -p "$out"
"$soak" --frames "$frames" --seed "$seed" --game-dir "$tmp" --out "$out" --report-every 5000
