#!/usr/bin/env bash
# no-display.sh GAME_BINARY GAME_DIR
# Without a display the game must say so and fail, not run on unseen.
game_bin=$1 game_dir=$2
cd "$game_dir"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy timeout 20 "$game_bin" 2>&1)
rc=$?
echo "$out"
[ "$rc" -ne 0 ] && [ "$rc" -ne 124 ] && grep -q "no display found" <<<"$out"
