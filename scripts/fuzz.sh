#!/usr/bin/env bash
# Runs the fuzzers of the game's file decoders for longer than the test suite does.
#   scripts/fuzz.sh [SECONDS_EACH] [TARGET...]      (default: 300 seconds, every target)
# Needs clang with libFuzzer (Debian: clang libclang-rt-14-dev). What a run learns is kept in
# build/fuzz-out/TARGET/corpus for the next run; a crash is written beside it and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(savegame halloffame settings picture)

[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target fuzzers -j 2 >/dev/null
failed=()
for target in "${targets[@]}"; do
  fuzzer=build/tests/fuzz/bin/fuzz-$target
  [ -x "$fuzzer" ] || { echo "no fuzzer $fuzzer: is clang with libFuzzer installed?" >&2; exit 1; }
  echo "== $target: $seconds s"
  log=build/fuzz-out/$target.log
  mkdir -p build/fuzz-out
  status=0
  tests/fuzz/run-fuzzer.sh "$fuzzer" "tests/fuzz/corpus/$target" "build/fuzz-out/$target" "$seconds" >"$log" 2>&1 ||
    status=$?
  grep -E "DONE|stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY|Test unit written|runtime error" "$log" || true
  [ "$status" -eq 0 ] || { echo "$target failed: see $log and build/fuzz-out/$target/" >&2; failed+=("$target"); }
done
[ ${#failed[@]} -eq 0 ] || { echo "failed: ${failed[*]}" >&2; exit 1; }
