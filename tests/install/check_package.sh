#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The もけもけ developers
# SPDX-License-Identifier: MIT

# Builds the Debian package from the build folder and checks what it
# declares and holds: the libraries and the runtime pieces the game needs,
# and every file of the installed game under /usr, the program in Debian's
# /usr/games. lintian must find no error and no warning in it.
#   check_package.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack"; }
package=$(ls "$work"/*.deb)
echo "built $(basename "$package")"

depends=$(dpkg-deb --field "$package" Depends)
echo "Depends: $depends"
sed 's/, */\n/g' <<< "$depends" | awk '{print $1}' > "$work/depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6multimedia6 libstdc++6 qt6-qpa-plugins qt6-translations-l10n \
    fonts-ipafont-mincho; do
    grep -qxF "$needed" "$work/depends" || fail "the package does not depend on $needed"
done
[[ $(dpkg-deb --field "$package" Section) == games ]] || fail "the package is not in section games"

dpkg-deb --contents "$package" | awk '{print $6}' > "$work/contents"
for file in ./usr/games/mokemoke "./usr/share/$id/0.bmp" "./usr/share/$id/end7.bmp" "./usr/share/$id/se4.wav" \
    "./usr/share/$id/help.txt" "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" "./usr/share/icons/hicolor/64x64/apps/$id.png" \
    "./usr/share/icons/hicolor/128x128/apps/$id.png" ./usr/share/man/man6/mokemoke.6.gz \
    ./usr/share/doc/mokemoke/copyright ./usr/share/doc/mokemoke/changelog.gz; do
    grep -qxF "$file" "$work/contents" || fail "the package lacks $file"
done
! grep -q '^\./usr/local' "$work/contents" || fail "the package installs under /usr/local"
! grep -q '^\./usr/bin/' "$work/contents" || fail "the package installs a program outside /usr/games"
lintian --allow-root --fail-on error,warning --display-info "$package" || fail "lintian"
echo "package check passed"
