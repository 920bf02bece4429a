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
# The puzzle files' types, as a desktop compiles them: each file name and the webpbn root
# element must lead to a type the launcher entry takes.
mime="$prefix/share/mime"
report=$(XDG_DATA_DIRS="$prefix/share" update-mime-database "$mime" 2>&1) && [ -z "$report" ] ||
    fail "the file types do not compile: $report"
for type in application/x-nonogram-non application/x-nonogram-nin application/x-nonogram-olsak \
    application/x-webpbn+xml; do
    grep -q "MimeType=.*$type;" "$prefix/share/applications/$id.desktop" || fail "the launcher does not take $type"
done
for glob in "x-nonogram-non:\*.non" "x-nonogram-nin:\*.nin" "x-nonogram-olsak:\*.g"; do
    grep -q "application/$glob\$" "$mime/globs2" || fail "no file name pattern $glob"
done
grep -q " puzzleset application/x-webpbn+xml$" "$mime/XMLnamespaces" || fail "webpbn's XML is not known by its root"

"$here/../smoke/play_smoke.sh" "$prefix/games/tessarin" "${2:-}"
stray=$(find "$prefix" -name tessarin.ini -o -name auto.sav)
[ -z "$stray" ] || fail "the game wrote into its installation: $stray"
echo "install test passed"
