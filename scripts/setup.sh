#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Installs what the game needs on Debian 12 and builds it into build/game.
# Run as root or as a user who may use sudo.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
    cmake g++ make pkg-config
    clang libclang-rt-14-dev
    qt6-base-dev qt6-qpa-plugins libgl-dev libx11-dev
    qt6-translations-l10n
    fonts-ipafont-mincho
    at-spi2-core
    xvfb xauth xdotool imagemagick
    qt6-svg-dev desktop-file-utils appstream dpkg-dev file lintian
    reuse clazy clang-tidy
    qt6-multimedia-dev pulseaudio pulseaudio-utils sox
)

as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"
