#!/usr/bin/env bash
# run-fuzzer.sh FUZZER SEED_CORPUS OUT_DIR SECONDS
# Runs one fuzzer for SECONDS from the seed corpus. What it finds new goes to OUT_DIR/corpus, never
# into the repository's seeds; a crash is written to OUT_DIR and fails the run.
set -euo pipefail
fuzzer=$1 seeds=$2 out=$3 seconds=$4
mkdir -p "$out/corpus"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
exec "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
  -print_final_stats=1 -artifact_prefix="$out/" "$out/corpus" "$seeds"
