#!/usr/bin/env bash
# deb-package.sh BUILD_DIR OUT_DIR
# Builds the Debian package with CPack, checks its control fields, unpacks it into a scratch folder
# with dpkg-deb -x and starts the unpacked game from another folder on a virtual X display: it must
# find its data beside its own executable (../share/ilvys-mission) and show its title. It is then
# played into the first quest and saved into slot 3; the save must land in the player's data folder
# ($XDG_DATA_HOME), not beside the data or in the working folder. Exit 77 (skipped) when dpkg-deb,
# Xvfb, ImageMagick or xdotool is missing.
set -euo pipefail
build=$1 out=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/drive-game.sh"
command -v dpkg-deb >/dev/null || { echo "dpkg-deb missing: skipped"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/package" >/dev/null)
deb=$(ls "$tmp"/package/ilvys-mission_*.deb)
cp "$deb" "$out/"
dpkg-deb -f "$deb" Package Version Depends Section | tee "$tmp/control"
grep -q "^Depends:.*libsdl2-mixer-2.0-0" "$tmp/control"
grep -q "^Depends:.*timgm6mb-soundfont" "$tmp/control"
dpkg-deb -x "$deb" "$tmp/root"
for f in usr/bin/ilvys-mission usr/share/ilvys-mission/Data/data1.txt usr/share/ilvys-mission/Art/Dude.bmp \
         usr/share/applications/io.github.ilvysmission.IlvysMission.desktop \
         usr/share/metainfo/io.github.ilvysmission.IlvysMission.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/io.github.ilvysmission.IlvysMission.png; do
  [ -f "$tmp/root/$f" ] || { echo "not in the package: $f"; exit 1; }
done
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes, $(dpkg-deb -c "$deb" | wc -l) entries"

game=$tmp/root/usr/bin/ilvys-mission data=$tmp/root/usr/share/ilvys-mission
needs_display_tools
mkdir -p "$tmp/elsewhere" "$tmp/home" "$tmp/data"
cd "$tmp/elsewhere"
export game out here
export HOME=$tmp/home XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/home/.config
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  source "$here/drive-game.sh"
  SDL_AUDIODRIVER=dummy "$game" --windowed & pid=$!
  wait_for_title "$out/package-title.png" || { kill -TERM $pid; exit 1; }
  wait_for_menu "$out/package-menu-grown.png" || { kill -TERM $pid; exit 1; }
  sleep 0.5
  click_at 660 210            # Start New Game
  sleep 1
  for k in i l v y; do press $k; done
  import -window root "$out/package-name.png"
  press Return                # the name, then the mission pages
  sleep 1
  press Return                # the quest briefing
  sleep 1
  press Return                # into the first quest
  sleep 1
  press Escape                # the in-game menu
  import -window root "$out/package-menu.png"
  click_at 400 340            # Save
  sleep 1
  click_at 527 390            # slot 3
  for _ in $(seq 20); do [ -f "$XDG_DATA_HOME/ilvys-mission/Saves/3.sav" ] && break; sleep 0.5; done
  import -window root "$out/package-saved.png"
  kill -TERM $pid
  wait $pid
'
saved=$XDG_DATA_HOME/ilvys-mission/Saves/3.sav
ls -l "$XDG_DATA_HOME/ilvys-mission/Saves" || true
[ -f "$saved" ] || { echo "no save in the player's data folder"; exit 1; }
[ ! -e "$data/Saves" ] && [ ! -e "$tmp/elsewhere/Saves" ] || { echo "a save went beside the data or the working folder"; exit 1; }
echo "saved to $saved ($(stat -c %s "$saved") bytes)"
