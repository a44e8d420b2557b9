#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Builds the benchmarks in release mode and prints their figures.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$here/build-bench}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target bench_game bench_slot bench_pictures bench_window assetgen game_assets -j"$(nproc)" >/dev/null
"$build/bench/bench_game"
"$build/bench/bench_slot"
"$build/bench/bench_pictures"
# The build draws every picture and sound; it must stay quick.
out=$(mktemp -d)
start=$(date +%s%N)
QT_QPA_PLATFORM=offscreen "$build/assets/assetgen" "$out" "$here/assets/help.txt"
printf "%-44s %10.1f ms\n" "generate every picture, sound and help text" "$((($(date +%s%N) - start) / 1000))e-3"
rm -rf "$out"
# From start to the window on a private sound server, WINDOW_ROUNDS (10 by
# default) starts of each.
"$here/scripts/with_null_sink.sh" "$build/bench/bench_window" "$build/game" "${WINDOW_ROUNDS:-10}"
echo "Idle CPU with the music playing:"
"$here/bench/idle_cpu.sh"
