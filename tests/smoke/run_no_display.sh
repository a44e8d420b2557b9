#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT
# The real program where its window has no display to appear on: it says so
# in one line of its own on stderr and exits with status 1, never with Qt's
# abort (134) and a core dump. A platform chosen to need no display
# (offscreen) starts as usual. Nothing is left in the working folder.
set -uo pipefail
game=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/cwd"
cd "$scratch/cwd"
failures=0

# No display of any kind unless a case gives one; DISPLAY=:1797 has no server.
clean=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$scratch")

refused() {
    local name=$1 words=$2
    shift 2
    local status=0
    env "${clean[@]}" "$@" timeout 20 "$game" 2>"$scratch/err" >/dev/null || status=$?
    local lines
    lines=$(wc -l <"$scratch/err")
    if [[ $status -ne 1 || $lines -ne 1 ]] || ! grep -qF -- "$words" "$scratch/err" || ! grep -q '^mokemoke: ' "$scratch/err"; then
        echo "FAIL: $name: exit status $status, $lines lines on stderr:"
        cat "$scratch/err"
        failures=$((failures + 1))
    else
        echo "$name: $(cat "$scratch/err")"
    fi
}

# A case's name, one setting (VAR=value), then the program's arguments.
started() {
    local name=$1 setting=$2
    shift 2
    local status=0
    env "${clean[@]}" "$setting" timeout 3 "$game" "$@" 2>"$scratch/err" >/dev/null || status=$?
    # Still running when stopped by timeout: it started.
    if [[ $status -ne 124 ]] || grep -q 'no display' "$scratch/err"; then
        echo "FAIL: $name: exit status $status"
        cat "$scratch/err"
        failures=$((failures + 1))
    else
        echo "$name: started"
    fi
}

refused "no display at all" "DISPLAY is not set, WAYLAND_DISPLAY is not set"
refused "an X display that is gone" 'the X display ":1797" does not answer' DISPLAY=:1797
refused "a Wayland socket that is gone" "the Wayland display $scratch/wayland-9 is gone" WAYLAND_DISPLAY=wayland-9
refused "X chosen, none there" "(platform xcb): DISPLAY is not set" QT_QPA_PLATFORM=xcb DISPLAY=
started "offscreen chosen by QT_QPA_PLATFORM" QT_QPA_PLATFORM=offscreen
started "offscreen chosen by -platform" DISPLAY= -platform offscreen

if [[ -n $(ls -A "$scratch/cwd") ]]; then
    echo "FAIL: left in the working folder: $(ls -A "$scratch/cwd")"
    failures=$((failures + 1))
fi
[[ $failures -eq 0 ]] && echo "no-display test passed"
exit "$failures"
