#!/usr/bin/env bash
# desktop-files.sh BUILD_DIR
# Installs to a scratch prefix and checks what a desktop reads: the desktop entry and the metainfo
# with Debian's validators, the icon in every size it claims (a square PNG of that size) and the
# screenshots the metainfo names (files of the repository). Exit 77 (skipped) when a validator or
# ImageMagick is missing.
set -euo pipefail
build=$1 source_dir=$2
for tool in desktop-file-validate appstreamcli identify; do
  command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit 77; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
share=$tmp/prefix/share
id=io.github.ilvysmission.IlvysMission

desktop-file-validate "$share/applications/$id.desktop"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"

for size in 16 22 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x${size}" ] || { echo "bad icon $icon"; exit 1; }
done
# The icon is a picture, not an empty square: a good share of its pixels are drawn.
drawn=$(convert "$share/icons/hicolor/256x256/apps/$id.png" -alpha extract -threshold 50% -format '%[fx:mean]' info:)
awk -v d="$drawn" 'BEGIN { exit !(d > 0.5) }' || { echo "icon mostly empty: $drawn"; exit 1; }

grep -o 'raw/HEAD/[^<]*' "$share/metainfo/$id.metainfo.xml" | sed 's|raw/HEAD/||' | while read -r shot; do
  [ "$(identify -format '%m' "$source_dir/$shot")" = PNG ] || { echo "screenshot missing: $shot"; exit 1; }
done
echo "desktop entry, metainfo, icons and screenshots: fine"
