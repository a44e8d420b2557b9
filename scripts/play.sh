#!/usr/bin/env bash
# Sets everything up, builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
exec "${BUILD_DIR:-$root/build}/game/mokemoke"
