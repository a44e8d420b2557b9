#!/usr/bin/env bash
# Sets everything up, builds the game and runs every test. The tests start
# what they need themselves: the window tests run offscreen, the smoke test
# on its own virtual X server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cd "${BUILD_DIR:-$root/build}"
ctest --output-on-failure --timeout 300
