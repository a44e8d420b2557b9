#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Idle CPU with the music playing on a private null-sink sound server: the
# game in free play, the game with its alien held still, and a bare window
# with the same timers and the same music player. Each is measured for IDLE_SECONDS (60 by
# default) in all, split into IDLE_ROUNDS (3 by default) turns taken in
# rotation, so that a spell of other work on the machine falls on all of them
# alike instead of tilting the ratio. For scale, a fourth: the bare window with
# a picture that moves as the calm alien's does, the least that showing the
# alien costs (the bare window itself paints nothing).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$here/build-bench}
seconds=${IDLE_SECONDS:-60}
rounds=${IDLE_ROUNDS:-3}
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target idle_cpu recovery_cost game_assets -j"$(nproc)" >/dev/null
bench=$build/bench/idle_cpu
output=$("$here/scripts/with_null_sink.sh" bash -c \
    'for _ in $(seq "$3"); do for mode in game still bare moving; do "$0" $mode "$1" "$2"; done; done' \
    "$bench" "$(awk -v s="$seconds" -v r="$rounds" 'BEGIN { print s / r }')" "$build/game" "$rounds")
echo "$output"
echo "rounds: $rounds, $seconds s of each in all"
"$here/scripts/with_null_sink.sh" "$bench" setup "$build/game"
# No sound server at all: an empty runtime folder and a server address that leads nowhere.
nowhere=$(mktemp -d)
XDG_RUNTIME_DIR=$nowhere PULSE_SERVER=unix:$nowhere/none "$bench" setup "$build/game" 2>/dev/null
rm -rf "$nowhere"
# Each round's ratios, then those over the whole time.
echo "$output" | awk '/^game:/ {g = $2; G += g} /^still:/ {s = $2; S += s} /^bare:/ {b = $2; B += b}
    /^moving:/ {m = $2; M += m
        if (b > 0) printf "round %d: game / bare window %.2f, still game / bare window %.2f, moving picture / bare window %.2f\n", ++n, g / b, s / b, m / b }
    END { if (B > 0) printf "ratio game / bare window: %.2f, still game / bare window: %.2f, moving picture / bare window: %.2f, game / moving picture: %.2f\n", G / B, S / B, M / B, G / M }'
# The recovery copy: one write at most every 10 s, against the idle game's CPU.
recovery=$("$build/bench/recovery_cost" 2>/dev/null)
echo "$recovery"
{ echo "$output"; echo "$recovery"; } | awk '/^game:/ {G += $2; n++}
    /^recovery:/ { if (n > 0) printf "recovery copy of %s words per list: %.2f %% of the idle game'"'"'s CPU (one write per 10 s)\n", $11, 100 * ($2 / 1000 / 10) / (G / n / 100) }'
