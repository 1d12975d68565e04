#!/usr/bin/env bash
# deb-package.sh BUILD_DIR OUT_DIR
# Builds the Debian package with CPack, checks its control fields, unpacks it into a scratch folder
# with dpkg-deb -x and starts the unpacked game from another folder on a virtual X display: it must
# find its data beside its own executable (../share/ilvys-mission) and show its title. Exit 77
# (skipped) when dpkg-deb, Xvfb, ImageMagick or xdotool is missing.
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

needs_display_tools
mkdir -p "$tmp/elsewhere" "$tmp/home"
cd "$tmp/elsewhere"
export game=$tmp/root/usr/bin/ilvys-mission out here
export HOME=$tmp/home XDG_DATA_HOME=$tmp/home/data XDG_CONFIG_HOME=$tmp/home/config
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
  source "$here/drive-game.sh"
  SDL_AUDIODRIVER=dummy "$game" --windowed & pid=$!
  sleep 2
  wait_for_title "$out/package-title.png"; shown=$?
  kill -TERM $pid
  wait $pid
  exit $shown
'
echo "title shown: bright share $(bright_share "$out/package-title.png")"
