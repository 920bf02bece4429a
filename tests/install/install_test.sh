#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built game into a fresh prefix, checks what the desktop needs there, then plays
# the installed program the way a desktop launcher starts it (see play_smoke.sh).
#
# usage: install_test.sh BUILD_FOLDER [SCREENSHOT_FOLDER]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
id=io.github.tessarin.Tessarin
for file in games/tessarin share/tessarin/Images/cell.png share/tessarin/Sounds/draw.wav \
    share/tessarin/Music/Chill.ogg share/tessarin/Help/index.html share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/man/man6/tessarin.6.gz share/doc/tessarin/copyright; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/games/tessarin" ] || fail "games/tessarin cannot be run"
for size in 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/$id.png"
    [ "$(identify -format '%m %wx%h' "$icon" 2>/dev/null)" = "PNG ${size}x$size" ] ||
        fail "no $size-pixel PNG icon"
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop file is not valid"
report=$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "the metainfo is not valid: $report"

"$here/../smoke/play_smoke.sh" "$prefix/games/tessarin" "${2:-}"
stray=$(find "$prefix" -name tessarin.ini -o -name auto.sav)
[ -z "$stray" ] || fail "the game wrote into its installation: $stray"
echo "install test passed"
