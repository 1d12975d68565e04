#!/usr/bin/env bash
# fullscreen-toggle.sh GAME_BINARY GAME_DIR OUT_DIR
# Starts the game in a window on a bare virtual X server of 1280 by 720, then switches it to full
# screen with F11 and back with Alt+Enter, checking the window's size after each switch, and that
# the game still runs (Alt+Enter is not taken for the game's Enter). Exit 77 (skipped) when Xvfb,
# ImageMagick or xdotool is missing.
set -euo pipefail
game_bin=$1 game_dir=$2 out=$3
for tool in xvfb-run import xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit 77; }
done
source "$(dirname "$0")/scratch-game-dir.sh"
export game_bin out
xvfb-run -a -s "-screen 0 1280x720x24" bash -c '
  size() { xdotool getwindowgeometry --shell "$window" | awk -F= "/^(WIDTH|HEIGHT)=/ { printf \"%s%s\", sep, \$2; sep = \"x\" }"; }
  # Waits up to five seconds for the window to take the size wanted.
  expect_size() {
    for _ in $(seq 25); do [ "$(size)" = "$1" ] && return 0; sleep 0.2; done
    echo "window is $(size) after $2, expected $1"; return 1
  }
  press() { xdotool keydown $1; sleep 0.2; xdotool keyup $1; sleep 0.3; }
  SDL_AUDIODRIVER=dummy "$game_bin" --windowed & pid=$!
  for _ in $(seq 50); do window=$(xdotool search --name "Ilvy" 2>/dev/null | head -1) && [ -n "$window" ] && break; sleep 0.2; done
  [ -n "$window" ] || { echo "no game window"; kill -TERM $pid; exit 1; }
  ok=0
  expect_size 800x600 "start" &&
    press F11 && expect_size 1280x720 "F11" &&
    { import -window root "$out/toggle-full.png"; true; } &&
    press alt+Return && expect_size 800x600 "Alt+Enter" &&
    press F11 && expect_size 1280x720 "F11 again" && ok=1
  sleep 0.5
  kill -0 $pid || { echo "the game ended"; exit 1; }
  kill -TERM $pid
  wait $pid
  [ $ok = 1 ] && echo "window sizes: 800x600, F11 1280x720, Alt+Enter 800x600, F11 1280x720"
'
