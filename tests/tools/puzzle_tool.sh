#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The puzzle tool answers at once and says what is wrong: sizes it does not make, loose or
# mistyped codes, clues no picture fits, and files that are no regular files.
set -u
tool=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# expect STATUS PATTERN COMMAND...: the command ends (within 10 s) with that status and its
# output matches the pattern.
expect() {
    status=$1 pattern=$2
    shift 2
    timeout 10 "$@" >"$scratch/out" 2>&1 </dev/null
    got=$?
    if [ "$got" -ne "$status" ] || ! grep -q -- "$pattern" "$scratch/out"; then
        echo "FAIL: $* (status $got, wanted $status matching \"$pattern\"):"
        cat "$scratch/out"
        failures=$((failures + 1))
    fi
}

expect 2 "30x30 is not one of them" "$tool" generate 30x30 1
expect 2 "neither a size" "$tool" generate 4294967297x5 1
expect 2 "check digit" "$tool" generate 15x10-1112D
expect 2 "not a seed" "$tool" generate 5x5 -1
expect 0 "code 5x5-1A" "$tool" generate 5x5 1
printf 'columns: 5, 0\nrows: 1, 1\n' >"$scratch/long"
expect 1 "no picture fits these clues: Column 1, clue 5 needs 5 cells, but the line has 2" "$tool" solve "$scratch/long"
printf 'columns: 1, 1\nrows: 2, 1\n' >"$scratch/totals"
expect 1 "the columns fill 2 cells, the rows 3" "$tool" solve "$scratch/totals"
mkfifo "$scratch/pipe"
expect 1 "not a regular file" "$tool" solve "$scratch/pipe"
"$tool" generate 5x5 1 >"$scratch/five"
expect 0 "^solved" "$tool" solve "$scratch/five"

[ "$failures" -eq 0 ] && echo "puzzle tool: every answer as expected"
exit "$failures"
