#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Builds the game and its tests with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, runs the whole suite there, then fuzzes the save
# slot's reader for FUZZ_SECONDS (60 by default). Needs what setup.sh installs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SANITIZE_BUILD_DIR:-$root/build-sanitize}
seconds=${FUZZ_SECONDS:-60}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGAME_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

# Leaks inside the desktop libraries (fontconfig, PulseAudio) are not ours to fix.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$build" && ctest --output-on-failure --timeout 600)

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp "$root"/tests/fuzz/seeds/* "$corpus"/
echo "Fuzzing the save slot's reader for ${seconds} s"
status=0
"$build/tests/fuzz_slot" -max_total_time="$seconds" -print_final_stats=1 "$corpus" >"$corpus/log" 2>&1 || status=$?
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY|crash-|Test unit written' "$corpus/log" || true
if [[ $status -ne 0 ]]; then
    tail -n 60 "$corpus/log"
    echo "FAIL: the fuzzer found a fault (exit status $status)"
    exit 1
fi
echo "fuzzing found nothing"
