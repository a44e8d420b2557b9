#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Installs the game into a staging folder (DESTDIR) and plays the installed
# copy as a new player would: a fresh HOME on a virtual 3840x2160 screen. The
# window must open at its full size (1440x1920), and a save chosen from the
# menu (めにゅー → Save) must land in the player's data folder, never under
# the install prefix. Then a copy of the build folder, at a scale factor of
# 2 on the same screen, must keep its save beside the program. Last, the
# Debian package's files: its program in usr/games, started by the command of
# its menu entry, must find its data and save in the player's folder too.
#   run_install.sh BUILD_DIR XCLOSE APP_ID
set -euo pipefail
build=$1
xclose=$2
id=$3
shots=${SMOKE_SCREENSHOT_DIR:-$PWD}
title='もけもけ～ゆらぐも～'
slot=(kotoba0.dat kotoba1.dat kotoba2.dat lst.dat lstmoney.dat str.dat)

if [[ -z ${INSTALL_INSIDE_XVFB:-} ]]; then
    export INSTALL_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 3840x2160x24 -dpi 96" "$0" "$@"
fi
unset QT_QPA_PLATFORM QT_SCALE_FACTOR XDG_DATA_HOME XDG_CONFIG_HOME
export LC_ALL=C.UTF-8 # xdotool matches the Japanese title only in a UTF-8 locale
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

check_installed_files() {
    local stage=$1
    local file
    for file in usr/bin/mokemoke "usr/share/$id/0.bmp" "usr/share/$id/help.txt" "usr/share/$id/bgm.wav" \
        "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
        "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/icons/hicolor/48x48/apps/$id.png" \
        "usr/share/icons/hicolor/256x256/apps/$id.png" usr/share/man/man6/mokemoke.6.gz; do
        [[ -s $stage/$file ]] || fail "the install left out $file"
    done
    [[ ! -e $stage/usr/bin/0.bmp ]] || fail "data files were installed beside the program"
}

# Starts a program with a fresh home, checks its window size, saves from the
# menu and closes it; the game must exit with status 0.
#   play PROGRAM HOME SCREENSHOT SLOT_FOLDER (waits for the save there)
play() {
    local program=$1 home=$2 shot=$3
    mkdir -p "$home"
    HOME=$home "$program" &
    local pid=$!
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "$title" | head -n 1)
    [[ -n $window ]] || { kill "$pid"; fail "no game window from $program"; }
    local geometry
    geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
    [[ $geometry == 1440x1920 ]] || { kill "$pid"; fail "window $geometry, expected 1440x1920"; }
    sleep 1
    import -window "$window" "$shots/$shot" || true
    # Only a game under way can be saved: Enter in the entry plays the title
    # and the opening on (and leaves both name boxes empty), then Save is the
    # first item of the first menu. A question the alien asks meanwhile locks
    # Save again, so the whole try is repeated until the slot is there.
    local tries=0 waited
    while [[ ! -e $4/str.dat && $tries -lt 4 ]]; do
        tries=$((tries + 1))
        for _ in $(seq 24); do xdotool key --window "$window" Return; sleep 0.1; done
        xdotool mousemove --window "$window" 30 12 click 1
        sleep 0.5
        xdotool key Down Return
        waited=0
        while [[ ! -e $4/str.dat && $waited -lt 15 ]]; do sleep 0.2; waited=$((waited + 1)); done
    done
    "$xclose" "$window"
    timeout 10 tail --pid="$pid" -f /dev/null || { kill "$pid"; fail "the game did not exit"; }
    wait "$pid" || fail "exit status $?"
}

check_slot() {
    local folder=$1 file
    for file in "${slot[@]}"; do
        [[ -f $folder/$file ]] || fail "no $file in $folder"
    done
}

stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr > /dev/null
check_installed_files "$stage"
find "$stage" | sort > "$work/installed.list"
play "$stage/usr/bin/mokemoke" "$work/player" install-2160.png "$work/player/.local/share/$id"
check_slot "$work/player/.local/share/$id"
find "$stage" | sort | diff -u "$work/installed.list" - || fail "the game wrote under the install prefix"
echo "the installed game saved into the player's data folder"

cp -r "$build/game" "$work/portable"
QT_SCALE_FACTOR=2 play "$work/portable/mokemoke" "$work/other" portable-scale2.png "$work/portable"
check_slot "$work/portable"
[[ ! -e $work/other/.local/share/$id ]] || fail "the build's copy saved into the player's folder"
echo "the build's copy saved beside its program"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" > "$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack"; }
unpacked=$work/unpacked
dpkg-deb -x "$work"/deb/*.deb "$unpacked"
[[ -x $unpacked/usr/games/mokemoke && ! -e $unpacked/usr/bin ]] || fail "the package's program is not in usr/games alone"
find "$unpacked" | sort > "$work/unpacked.list"
launcher_command=$(sed -n 's/^Exec=//p' "$unpacked/usr/share/applications/$id.desktop")
PATH=$unpacked/usr/games:$PATH play "$launcher_command" "$work/packaged" package-2160.png "$work/packaged/.local/share/$id"
check_slot "$work/packaged/.local/share/$id"
find "$unpacked" | sort | diff -u "$work/unpacked.list" - || fail "the packaged game wrote beside its files"
echo "the packaged game, started from its menu entry, saved into the player's data folder"
echo "install test passed"
