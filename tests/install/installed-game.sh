#!/usr/bin/env bash
# installed-game.sh BUILD_DIR OUT_DIR
# Installs the game to a scratch prefix, checks what lands where and the command line, then starts
# the installed game from another folder on a virtual X display, plays into the first quest, saves
# it into slot 3 and checks that the save went to the player's data folder ($XDG_DATA_HOME), not
# beside the data. The display part exits 77 (skipped) when Xvfb, ImageMagick or xdotool is missing.
set -euo pipefail
build=$1 out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/drive-game.sh"
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

needs_display_tools
mkdir -p "$tmp/elsewhere" "$tmp/home" "$tmp/data"
cd "$tmp/elsewhere"
export game out here
export HOME=$tmp/home XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/home/.config
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  source "$here/drive-game.sh"
  SDL_AUDIODRIVER=dummy "$game" --windowed & pid=$!
  wait_for_title "$out/installed-title.png" || { kill -TERM $pid; exit 1; }
  wait_for_menu "$out/installed-menu-grown.png" || { kill -TERM $pid; exit 1; }
  sleep 0.5
  click_at 660 210            # Start New Game
  sleep 1.5
  for k in i l v y; do press $k; done
  import -window root "$out/installed-name.png"
  press Return                # the name, then the mission pages
  sleep 1.5
  press Return                # the quest briefing
  sleep 1.5
  press Return                # into the first quest
  sleep 1.5
  press Escape                # the in-game menu
  import -window root "$out/installed-menu.png"
  click_at 400 340            # Save
  sleep 1
  click_at 527 390            # slot 3
  for _ in $(seq 20); do [ -f "$XDG_DATA_HOME/ilvys-mission/Saves/3.sav" ] && break; sleep 0.5; done
  import -window root "$out/installed-saved.png"
  kill -TERM $pid
  wait $pid
'
saved=$XDG_DATA_HOME/ilvys-mission/Saves/3.sav
ls -l "$XDG_DATA_HOME/ilvys-mission/Saves" || true
[ -f "$saved" ] || { echo "no save in the player's data folder"; exit 1; }
[ ! -e "$data/Saves" ] && [ ! -e "$tmp/elsewhere/Saves" ] || { echo "a save went beside the data or the working folder"; exit 1; }
echo "saved to $saved ($(stat -c %s "$saved") bytes)"
