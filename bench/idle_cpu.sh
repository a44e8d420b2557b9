#!/usr/bin/env bash
# Idle CPU with the music playing on a private null-sink sound server: the
# game in free play, the game with its alien held still, and a bare window
# with the same timers and player, one after the other in the same run. IDLE_SECONDS sets the length of each
# measurement (60 by default).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$here/build-bench}
seconds=${IDLE_SECONDS:-60}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target idle_cpu game_assets -j"$(nproc)" >/dev/null
bench=$build/bench/idle_cpu
output=$("$here/scripts/with_null_sink.sh" bash -c \
    'for mode in game still bare; do "$0" $mode "$1" "$2"; done' "$bench" "$seconds" "$build/game")
echo "$output"
"$here/scripts/with_null_sink.sh" "$bench" setup
# No sound server at all: an empty runtime folder and a server address that leads nowhere.
nowhere=$(mktemp -d)
XDG_RUNTIME_DIR=$nowhere PULSE_SERVER=unix:$nowhere/none "$bench" setup 2>/dev/null
rm -rf "$nowhere"
echo "$output" | awk '/^game:/ {g = $2} /^still:/ {s = $2} /^bare:/ {b = $2} END {
    if (b > 0) printf "ratio game / bare window: %.2f, still game / bare window: %.2f\n", g / b, s / b }'
