#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh --with-test-tools
ctest --test-dir build --output-on-failure -j 2
