#!/usr/bin/env bash
# Sets up, builds and starts Ilvy's Mission. Extra arguments go to the game (e.g. --windowed).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cd build/game
exec ../ilvys-mission "$@"
