#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Starts the real game on a virtual 1024x768 screen, finds its window by its
# caption, checks the window's size against the grid (a 768-pixel screen
# gives 512 x 683), takes a screenshot, and closes the window through its
# close request. The game must then exit by itself with status 0.
# Then once more with no sound server at all, and
# then the same program in a folder that lacks a face picture: it must show
# a message box and, once the box is closed, exit with a non-zero status.
set -euo pipefail
game=$1
xclose=$2
shots=${SMOKE_SCREENSHOT_DIR:-$PWD}

run() {
    local errors=${1:-/dev/stderr}
    "$game" 2>"$errors" &
    local pid=$!
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name 'もけもけ～ゆらぐも～' | head -n 1)
    if [[ -z $window ]]; then
        echo "FAIL: no game window appeared"; kill "$pid"; return 1
    fi
    local geometry
    geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
    echo "window $window geometry $geometry"
    sleep 1
    import -window root "$shots/smoke-title.png" || true
    if [[ $geometry != "512x683" ]]; then
        echo "FAIL: expected 512x683"; kill "$pid"; return 1
    fi
    "$xclose" "$window"
    local status=0
    timeout 10 tail --pid="$pid" -f /dev/null || { echo "FAIL: the game did not exit"; kill "$pid"; return 1; }
    wait "$pid" || status=$?
    if [[ $status -ne 0 ]]; then
        echo "FAIL: exit status $status"; return 1
    fi
    echo "the game window opened and closed cleanly"
}

# No sound server at all: the game must still open and close as before, and
# say so in at most one line on stderr.
without_sound() {
    local runtime errors
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    errors=$runtime/stderr
    XDG_RUNTIME_DIR=$runtime PULSE_SERVER=unix:$runtime/no-server run "$errors"
    cat "$errors" >&2
    local lines
    lines=$(wc -l <"$errors")
    rm -rf "$runtime"
    if [[ $lines -gt 1 ]]; then
        echo "FAIL: $lines lines on stderr without a sound server"; return 1
    fi
    echo "without a sound server the game ran silently ($lines line on stderr)"
}

missing_picture() {
    local folder
    folder=$(mktemp -d)
    cp -r "$(dirname "$game")"/. "$folder"/
    rm "$folder/3.bmp"
    "$folder/$(basename "$game")" &
    local pid=$!
    local box
    box=$(timeout 20 xdotool search --sync --onlyvisible --name 'もけもけ～ゆらぐも～' | head -n 1)
    if [[ -z $box ]]; then
        echo "FAIL: no message box for the missing picture"; kill "$pid"; return 1
    fi
    import -window root "$shots/smoke-missing-picture.png" || true
    "$xclose" "$box"
    local status=0
    timeout 10 tail --pid="$pid" -f /dev/null || { echo "FAIL: the game did not exit"; kill "$pid"; return 1; }
    wait "$pid" || status=$?
    rm -rf "$folder"
    if [[ $status -eq 0 || $status -gt 128 ]]; then
        echo "FAIL: exit status $status after a missing picture"; return 1
    fi
    echo "a missing picture stopped start-up with status $status"
}

if [[ -z ${SMOKE_INSIDE_XVFB:-} ]]; then
    export SMOKE_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$0" "$@"
fi
unset QT_QPA_PLATFORM
run
without_sound
missing_picture
echo "smoke test passed"
