#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# The tree's licence and Qt's own static analysis: `reuse lint` over the whole
# tree, then clazy (checks in .clazy) and clang-tidy (checks in .clang-tidy)
# over every source file of src/ in the build, a file per core at a time.
# Any finding fails. Needs a configured build folder (scripts/setup.sh).
#   static_checks.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-${BUILD_DIR:-$root/build}}" && pwd)
jobs=$(nproc)
log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT
failed=0

# Runs a check; prints its findings and marks the run failed if it has any.
#   check NAME COMMAND...
check() {
    local name=$1 start=$SECONDS
    shift
    if "$@" > "$log/$name" 2>&1 && ! grep -qE '(warning|error): ' "$log/$name"; then
        echo "$name: clean ($((SECONDS - start)) s)"
    else
        grep -vE '^[0-9]+ warnings? generated\.$' "$log/$name" || true
        echo "$name: FAILED ($((SECONDS - start)) s)"
        failed=1
    fi
}

check reuse reuse --root "$root" lint

# The compile commands of the build, and the files moc writes that the
# sources include.
cmake -S "$root" -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON > /dev/null
cmake --build "$build" --target mokemoke_model_autogen mokemoke_platform_autogen mokemoke_slot_autogen \
    mokemoke_sound_autogen mokemoke_widgets_autogen mokemoke_view_autogen mokemoke_autogen > /dev/null
mapfile -t sources < <(sed -n 's/^ *"file": "\(.*\)",\?$/\1/p' "$build/compile_commands.json" \
    | awk -v src="$root/src/" -v build="$build/" 'index($0, src) == 1 && index($0, build) != 1' | sort -u)
[[ ${#sources[@]} -gt 0 ]] || { echo "no sources of src/ in $build/compile_commands.json"; exit 1; }
echo "${#sources[@]} files of src/, $jobs at a time"

clazy_checks=$(sed 's/#.*//' "$root/.clazy" | xargs | tr ' ' ,)
check clazy xargs -d '\n' -P"$jobs" -n1 clazy-standalone -p "$build" --checks="$clazy_checks" \
    --header-filter="^$root/src/" --ignore-dirs="^$build/" <<< "$(printf '%s\n' "${sources[@]}")"
check clang-tidy xargs -d '\n' -P"$jobs" -n1 clang-tidy -p "$build" --quiet \
    <<< "$(printf '%s\n' "${sources[@]}")"
exit $failed
