#!/usr/bin/env bash
# run-campaign.sh REPLAY GAME_DIR CAMPAIGN_DIR OUT_DIR
# Plays the whole campaign in a throw-away game directory, then, each in a fresh game directory
# holding only one of the slots it saved, the scripts that load that slot and play on to the end.
# Every run must reach the same hall of fame, byte for byte; a fresh game reads it back.
set -euo pipefail
replay=$1 game=$2 campaign=$3 out=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fresh_game() {  # fresh_game DIR: a game directory sharing the art, with an empty Saves folder
  mkdir -p "$1/Saves"
  ln -s "$game/Art" "$1/Art"
  ln -s "$game/Data" "$1/Data"
}
rm -rf "$out"
mkdir -p "$out"
start=$(date +%s.%N)
fresh_game "$tmp/whole"
"$replay" --game-dir "$tmp/whole" --out "$out" "$campaign/campaign.txt"
"$replay" --game-dir "$tmp/whole" --out "$out" "$campaign/hall-of-fame-kept.txt"
slot=0
for mark in early after-first-gem last-world; do
  slot=$((slot + 1))
  fresh_game "$tmp/$mark"
  cp "$tmp/whole/Saves/$slot.sav" "$tmp/$mark/Saves/"
  # The saved states the resume compares with live in the whole run's folder.
  mkdir -p "$out/$mark"
  cp "$out/saved-$mark.json" "$out/$mark/"
  "$replay" --game-dir "$tmp/$mark" --out "$out/$mark" "$campaign/resume-$mark.txt"
  if ! cmp "$tmp/whole/Saves/HallOfFame.save" "$tmp/$mark/Saves/HallOfFame.save"; then
    echo "the campaign resumed from slot $slot left another hall of fame" >&2
    exit 1
  fi
done
echo "campaign and its three resumed games: $(echo "$(date +%s.%N) - $start" | bc) s"
