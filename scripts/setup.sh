#!/usr/bin/env bash
# Installs what the game needs from Debian's archive (only what is missing), then builds it.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake make pkg-config
  libsdl2-dev libsdl2-ttf-dev libsdl2-mixer-dev libsdl2-image-dev libcairo2-dev libpng-dev libgtest-dev nlohmann-json3-dev
  fonts-liberation timgm6mb-soundfont)
if [ "${1:-}" = "--with-test-tools" ]; then
  # clang and its runtime libraries build the fuzz tests (without them CMake leaves those out).
  packages+=(xvfb xauth imagemagick xdotool desktop-file-utils appstream clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
