#!/usr/bin/env bash
# fullscreen-fills-display.sh GAME_BINARY GAME_DIR OUT_DIR
# Starts the game full screen on a bare virtual X server (no window manager to grant full screen)
# of 1280 by 720 and checks that the picture is laid out over the whole display: the main menu's
# buttons, on the right of the picture, show past x 820, where an 800 by 600 window would end.
# Exit 77 (skipped) when Xvfb is not installed.
set -euo pipefail
game_bin=$1 game_dir=$2 out=$3
if ! command -v xvfb-run >/dev/null || ! command -v import >/dev/null; then
  echo "Xvfb or ImageMagick missing: skipped"
  exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ln -s "$game_dir/Art" "$tmp/Art"
ln -s "$game_dir/Data" "$tmp/Data"
mkdir "$tmp/Saves" "$out" -p
cd "$tmp"
export game_bin out
xvfb-run -a -s "-screen 0 1280x720x24" bash -c '
  SDL_AUDIODRIVER=dummy "$game_bin" & pid=$!
  sleep 13
  import -window root "$out/fullscreen-menu.png"
  kill -TERM $pid
  wait $pid
'
right=$(convert "$out/fullscreen-menu.png" -crop 400x720+820+0 -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
echo "bright share right of x 820: $right"
awk -v b="$right" 'BEGIN { exit !(b > 0.002) }'
