#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Sets everything up, builds the game and runs every test. The tests start
# what they need themselves: the window tests run offscreen, the smoke test
# on its own virtual X server. Then the licence and static analysis checks
# (reuse, clazy, clang-tidy), the whole suite again under the sanitizers, and
# a minute of fuzzing the save slot's reader.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
(cd "${BUILD_DIR:-$root/build}" && ctest --output-on-failure --timeout 300)
"$root/scripts/static_checks.sh"
"$root/scripts/sanitize.sh"
