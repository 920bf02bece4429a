#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Judges a folder of published puzzles with tessarin-puzzle analyse and prints, per verdict,
# how many files got it and how long they took (the total, the slowest and the slowest per
# 1,000 cells), then the slowest files.
#
# usage: bench/public_puzzles.sh TOOL FOLDER [SECONDS]   (a search takes at most SECONDS a file, default 10)
set -eu
tool=$1
folder=$2
seconds=${3:-10}
scratch=$(mktemp)
trap 'rm -f "$scratch"' EXIT
find "$folder" -type f \( -name '*.non' -o -name '*.nin' -o -name '*.xml' -o -name '*.g' -o -name '*.mk' \) |
    sort | xargs "$tool" analyse --seconds "$seconds" >"$scratch" || true
awk -F'\t' '
    {
        split($2, size, "x")
        cells = size[1] * size[2]
        verdict = $3 == "logic" ? "logic (" $4 ")" : $3
        count[verdict]++
        total[verdict] += $5
        if ($5 > slowest[verdict]) slowest[verdict] = $5
        if (cells > 0 && $5 * 1000 / cells > perThousand[verdict]) perThousand[verdict] = $5 * 1000 / cells
    }
    END {
        for (v in count)
            printf "%-26s %6d %10.1f %10.1f %14.2f\n", v, count[v], total[v], slowest[v], perThousand[v]
    }' "$scratch" | sort >"$scratch.table"
printf "%-26s %6s %10s %10s %14s\n" "verdict" "files" "total ms" "slowest" "slowest/1000"
cat "$scratch.table"
rm -f "$scratch.table"
echo
echo "slowest files:"
sort -t "$(printf '\t')" -k5 -n -r "$scratch" | head -8
