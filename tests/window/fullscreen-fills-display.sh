#!/usr/bin/env bash
# fullscreen-fills-display.sh GAME_BINARY GAME_DIR OUT_DIR
# Starts the game full screen on a bare virtual X server (no window manager to grant full screen)
# of 1280 by 720 and checks that the picture is laid out over the whole display: the main menu's
# buttons, on the right of the picture, show past x 820, where an 800 by 600 window would end.
# Then, where xdotool is present, a click on the Quit button, at its place in the display's
# coordinates (the picture is 960 by 720 from x 160), must end the game: the pointer lands right.
# Exit 77 (skipped) when Xvfb is not installed.
set -euo pipefail
game_bin=$1 game_dir=$2 out=$3
if ! command -v xvfb-run >/dev/null || ! command -v import >/dev/null; then
  echo "Xvfb or ImageMagick missing: skipped"
  exit 77
fi
source "$(dirname "$0")/scratch-game-dir.sh"
rm -f "$out/quit-clicked"
export game_bin out
# Pictures are taken every half second until the menu's blue buttons have grown to near their size
# right of x 820, for at most thirty seconds. Return skips the title, as a player may, once the
# title reads keys (the menu ignores it); without xdotool the title plays its eight seconds.
xvfb-run -a -s "-screen 0 1280x720x24" bash -c '
  SDL_AUDIODRIVER=dummy "$game_bin" & pid=$!
  for i in $(seq 60); do
    sleep 0.5
    if command -v xdotool >/dev/null; then xdotool key Return 2>/dev/null || true; fi
    import -window root "$out/fullscreen-menu.png"
    blue=$(convert "$out/fullscreen-menu.png" -crop 400x720+820+0 -fuzz 10% -fill white -opaque "#577AE1" \
           -fill black +opaque white -format "%[fx:mean]" info:)
    awk -v b="$blue" "BEGIN { exit !(b > 0.02) }" && break
  done
  if command -v xdotool >/dev/null; then
    # Quit is centred at (667, 513) of the 800 by 600 picture, shown 1.2 times as large.
    sleep 1
    kill -0 $pid || exit 1
    xdotool mousemove 960 616 mousedown 1; sleep 0.3; xdotool mouseup 1
    for _ in $(seq 25); do kill -0 $pid 2>/dev/null || break; sleep 0.2; done
    kill -0 $pid 2>/dev/null || touch "$out/quit-clicked"
  fi
  kill -TERM $pid 2>/dev/null || true
  wait $pid || true
'
if command -v xdotool >/dev/null && [ ! -e "$out/quit-clicked" ]; then
  echo "a click on Quit in full screen did not end the game"
  exit 1
fi
right=$(convert "$out/fullscreen-menu.png" -crop 400x720+820+0 -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
echo "bright share right of x 820: $right"
awk -v b="$right" 'BEGIN { exit !(b > 0.002) }'
