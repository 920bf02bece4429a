#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from the build and checks it as Debian's own checker does: no
# error and no warning.
#
# usage: package_test.sh BUILD_FOLDER
set -eu
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log"
    echo "FAIL: the package could not be made"
    exit 1
}
set -- "$scratch"/*.deb
# lintian advises against running as root, which CI does; the advice is no finding.
report=$(lintian --fail-on error,warning "$1" 2>&1) || {
    echo "$report"
    echo "FAIL: lintian finds errors or warnings in $(basename "$1")"
    exit 1
}
echo "package test passed: $(basename "$1")"
