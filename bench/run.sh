#!/usr/bin/env bash
# Builds the benchmarks in release mode and prints their figures.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$here/build-bench}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target bench_game bench_slot -j"$(nproc)" >/dev/null
"$build/bench/bench_game"
"$build/bench/bench_slot"
