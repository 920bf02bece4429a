#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The puzzle tool answers at once and says what is wrong: sizes it does not make, loose or
# mistyped codes, clues no picture fits, and files that are no regular files; it judges
# puzzle files of every format, going on past those it cannot read; and it carries a file's
# picture to a design's code and back.
#
# usage: puzzle_tool.sh TOOL PUZZLE_FILES_FOLDER
set -u
tool=$1
files=$2
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

expect 2 "50x50 is not one of them" "$tool" generate 50x50 1
expect 2 "no Very Hard puzzle is made at 10x10" "$tool" generate 10x10 1 --difficulty very-hard
expect 2 "takes easy, medium, hard or very-hard" "$tool" generate 30x30 1 --difficulty brutal
expect 2 "difficulty's letter" "$tool" generate 30x30-X-12
# A code keeps its difficulty: made again from it, the puzzle is the same.
"$tool" generate 30x30 5 --difficulty hard >"$scratch/hard"
code=$(sed -n 's/^code //p' "$scratch/hard")
"$tool" generate "$code" >"$scratch/again"
if ! cmp -s "$scratch/hard" "$scratch/again" || ! grep -q "^difficulty Hard, " "$scratch/hard"; then
    echo "FAIL: the code $code did not make its Hard puzzle again:"
    cat "$scratch/hard" "$scratch/again"
    failures=$((failures + 1))
fi
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

# One tab-separated line per file: the path, the size, the verdict, the hardest technique
# (or why the file is invalid), the milliseconds. A file it cannot read does not stop it.
tab=$(printf '\t')
expect 1 "^$files/jwilk/data022.nin${tab}20x20${tab}logic${tab}What If${tab}[0-9]*\.[0-9]$" \
    "$tool" analyse "$files/colour.non" "$files/jwilk/data022.nin"
expect 1 "^$files/colour.non${tab}-${tab}invalid${tab}line 4: colour puzzles are not supported yet${tab}" \
    "$tool" analyse "$files/colour.non" "$files/jwilk/data022.nin"
expect 0 "${tab}10x10${tab}several${tab}-${tab}" "$tool" analyse "$files/jwilk/data001.nin"
expect 0 "${tab}25x20${tab}logic${tab}Arrangements${tab}" "$tool" analyse "$files/jwilk/data142.nin"
# --show prints both pictures of a puzzle that has two: 10 rows each, a blank line after each.
"$tool" analyse --show "$files/jwilk/data001.nin" >"$scratch/two"
if [ "$(grep -c '^[#.]\{10\}$' "$scratch/two")" != 20 ] || [ "$(grep -c '^$' "$scratch/two")" != 2 ]; then
    echo "FAIL: analyse --show did not print two 10x10 pictures:"
    cat "$scratch/two"
    failures=$((failures + 1))
fi
# What cannot be a puzzle file is refused at once: a pipe, a device, a file of 100 MB.
expect 1 "${tab}invalid${tab}.*not a regular file" "$tool" analyse "$scratch/pipe"
expect 1 "${tab}invalid${tab}.*not a regular file" "$tool" analyse /dev/zero
truncate -s 100M "$scratch/huge.non"
expect 1 "${tab}invalid${tab}it is larger than 16 MB" "$tool" analyse "$scratch/huge.non"
expect 2 "not a number of seconds" "$tool" analyse --seconds soon "$files/lantern.non"

# A design's code carries a file's picture: generate reads it back as the goal the file gives,
# with the file's clues; without the goal, the one picture the lines finish gives the same
# code. The picture is lopsided, with its last row and column part filled, so that a picture
# turned over, or cut short by a cell, shows.
picture='####.####.
..#..#....
###.######
#####..###
##..######
.##.#####.
..###.#.##
......####
###..#...#
####...#..'
rows='4 4
1 1
3 6
5 3
2 6
2 5
3 1 2
4
3 1 1
4 1'
columns='1 3 2
1 4 2
4 2 2
1 1 1 1
5
3 2 1
1 1 4
1 4 1 1
1 6
3 3'
printf 'width 10\nheight 10\nrows\n%s\ncolumns\n%s\n' "$rows" "$columns" >"$scratch/clues.non"
{
    cat "$scratch/clues.non"
    printf 'goal "%s"\n' "$(printf '%s' "$picture" | tr -d '\n' | tr '#.' '10')"
} >"$scratch/goal.non"
code=$("$tool" encode "$scratch/goal.non")
"$tool" generate "$code" >"$scratch/design"
# The clue lines as generate prints them: the file's lists in order, separated by commas.
listed() { printf '%s\n' "$1" | paste -sd, - | sed 's/,/, /g'; }
if ! printf '%s' "$code" | grep -q '^10x10-D-[0-9A-Z]\{21\}$' \
    || [ "$(grep '^[#.]\{10\}$' "$scratch/design")" != "$picture" ] \
    || ! grep -qx "columns: $(listed "$columns")" "$scratch/design" \
    || ! grep -qx "rows: $(listed "$rows")" "$scratch/design" \
    || ! grep -qx "code $code" "$scratch/design" || ! grep -q "^verdict logic, " "$scratch/design"; then
    echo "FAIL: the code \"$code\" of goal.non did not give its picture and clues back:"
    cat "$scratch/design"
    failures=$((failures + 1))
fi
expect 0 "^$code\$" "$tool" encode "$scratch/clues.non"
# The check digit and the length catch a digit mistyped (never 0 for Z, which it cannot tell
# apart) and one left out.
first=$(printf '%s' "$code" | cut -c9)
[ "$first" = 5 ] && typed=6 || typed=5
expect 1 "is not a design's code: its check digit" "$tool" generate "10x10-D-$typed$(printf '%s' "$code" | cut -c10-)"
expect 1 "is not a design's code: after \"-D-\" it has too few or too many" "$tool" generate "${code%?}"
expect 2 "takes no seed" "$tool" generate "$code" 5
# Two diagonals fit these clues: without a goal there is no one picture to carry; with one,
# the goal is carried, and the design is judged as having several.
printf 'width 5\nheight 5\nrows\n0\n1\n1\n0\n5\ncolumns\n1\n1 1\n1 1\n1\n1\n' >"$scratch/diagonals.non"
expect 1 "diagonals.non has no one picture: more than one picture fits" "$tool" encode "$scratch/diagonals.non"
cp "$scratch/diagonals.non" "$scratch/diagonal.non"
printf 'goal "0000001000001000000011111"\n' >>"$scratch/diagonal.non"
"$tool" generate "$("$tool" encode "$scratch/diagonal.non")" >"$scratch/several"
if [ "$(grep '^[#.]\{5\}$' "$scratch/several" | tr '\n' ' ')" != "..... .#... ..#.. ..... ##### " ] \
    || ! grep -qx "verdict several" "$scratch/several"; then
    echo "FAIL: the design of diagonal.non is not its goal, judged several:"
    cat "$scratch/several"
    failures=$((failures + 1))
fi
# The same picture with the empty cell of column 3, row 2 given (cell 7, the code's "-7" before
# its check digit R): the given decides the diagonals, so logic finishes it, and the cell is
# named as the game names it, counted from 1.
"$tool" generate 5x5-D-0840Z-7R >"$scratch/given"
if [ "$(grep '^[#.]\{5\}$' "$scratch/given" | tr '\n' ' ')" != "..... .#... ..#.. ..... ##### " ] \
    || ! grep -q "^verdict logic, " "$scratch/given" || ! grep -qx "givens: column 3, row 2" "$scratch/given"; then
    echo "FAIL: the design 5x5-D-0840Z-7R is not the diagonal with column 3, row 2 given, finished by logic:"
    cat "$scratch/given"
    failures=$((failures + 1))
fi
printf 'width 4\nheight 4\nrows\n4\n0\n0\n0\ncolumns\n1\n1\n1\n1\n' >"$scratch/small.non"
expect 1 "a design is 5 to 60 cells a side; .*small.non is 4x4" "$tool" encode "$scratch/small.non"

[ "$failures" -eq 0 ] && echo "puzzle tool: every answer as expected"
exit "$failures"
