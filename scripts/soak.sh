#!/usr/bin/env bash
# Plays the game headless with random input under AddressSanitizer and UndefinedBehaviorSanitizer.
#   scripts/soak.sh [FRAMES] [SEED]          (default: 1000000 frames, seed 1)
# Builds the soak in build-sanitize/ (the game's pictures and sounds come from build/game), runs it
# in a throw-away game directory and prints the resident memory every 100000 frames. Any memory
# error, undefined behaviour, leak or failed command fails the run; the same seed repeats it.
set -euo pipefail
cd "$(dirname "$0")/.."
frames=${1:-1000000} seed=${2:-1}

[ -f build/game/art.stamp ] || scripts/setup.sh
if [ ! -f build-sanitize/CMakeCache.txt ]; then
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
fi
cmake --build build-sanitize --target ilvys-soak -j "$(nproc)"

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
ln -s "$PWD/build/game/Art" "$game/Art"
ln -s "$PWD/build/game/Data" "$game/Data"
mkdir "$game/Saves" build-sanitize/soak-out 2>/dev/null || true
# A small quarantine keeps the resident figure about the game's memory; the sanitizer's allocator
# still keeps freed blocks, so its figure wanders by some megabytes around a level.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:quarantine_size_mb=16:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export SDL_AUDIODRIVER=dummy
build-sanitize/ilvys-soak --frames "$frames" --seed "$seed" --game-dir "$game" --out build-sanitize/soak-out \
  --report-every 100000 --max-growth-mb 32
