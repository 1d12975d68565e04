#!/usr/bin/env bash
# window-shows-title.sh GAME_BINARY GAME_DIR OUT_DIR
# Starts the real game in a window on a virtual X display, takes pictures of the display while the
# title plays, checks that something bright is drawn there, then closes the game the way a window
# manager would and checks that it ends cleanly. Exit 77 (skipped) when Xvfb is not installed.
set -euo pipefail
game_bin=$1 game_dir=$2 out=$3
if ! command -v xvfb-run >/dev/null || ! command -v import >/dev/null; then
  echo "Xvfb or ImageMagick missing: skipped"
  exit 77
fi
source "$(dirname "$0")/scratch-game-dir.sh"
export game_bin out
# A loaded machine draws the title's lettering later: pictures are taken every half second until
# one shows it, for at most twenty seconds.
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  SDL_AUDIODRIVER=dummy "$game_bin" --windowed & pid=$!
  sleep 2
  for i in $(seq 40); do
    import -window root "$out/window-title.png"
    bright=$(convert "$out/window-title.png" -colorspace Gray -threshold 50% -format "%[fx:mean]" info:)
    awk -v b="$bright" "BEGIN { exit !(b > 0.005) }" && break
    sleep 0.5
  done
  kill -TERM $pid
  wait $pid
'
# The title shows the studio lettering on black: some pixels must be bright.
bright=$(convert "$out/window-title.png" -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
echo "bright share: $bright"
awk -v b="$bright" 'BEGIN { exit !(b > 0.005) }'
