#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The gallery the game ships: every picture finished by logic from its clues and givens, and
# enough of them, in enough albums, at sizes from 10x10 to 30x30, many of them large.
#
# usage: gallery_data.sh TOOL GALLERY_FILE
set -u
tool=$1
gallery=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

"$tool" gallery "$gallery" >"$scratch/list" || fail "the gallery cannot be listed"
"$tool" gallery --check "$gallery" >"$scratch/check" || fail "not every picture is logic's: $(grep -v 'logic$' "$scratch/check" | head -3)"
pictures=$(wc -l <"$scratch/list")
[ "$pictures" -ge 300 ] || fail "only $pictures pictures"
[ "$(wc -l <"$scratch/check")" -eq "$pictures" ] || fail "the check judged another number of pictures than the list has"
albums=$(cut -f2 "$scratch/list" | sort -u | wc -l)
[ "$albums" -ge 6 ] || fail "only $albums albums"
# Every side from 10 to 30 cells, and at least 40 pictures of 400 cells or more.
awk -F'\t' '{ split($3, size, "x"); if (size[1] < 10 || size[2] < 10 || size[1] > 30 || size[2] > 30) print }' \
    "$scratch/list" >"$scratch/odd"
[ -s "$scratch/odd" ] && fail "sizes out of 10 to 30: $(head -3 "$scratch/odd")"
large=$(awk -F'\t' '{ split($3, size, "x"); if (size[1] * size[2] >= 400) n++ } END { print n + 0 }' "$scratch/list")
[ "$large" -ge 40 ] || fail "only $large pictures of 400 cells or more"

[ "$failures" -eq 0 ] && echo "gallery: $pictures pictures in $albums albums, $large of 400 cells or more, all logic's"
exit "$failures"
