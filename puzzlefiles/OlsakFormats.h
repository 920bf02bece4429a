// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PuzzleFile.h"

#include <string>

// Two plain-text formats of black-and-white puzzles, read leniently. In both, a clue line
// holds numbers separated by spaces or commas, 0 or nothing for an empty line; blank lines at
// the end of a section are dropped, so an empty last line must be written 0.

// ".g": lines starting with '#' are comments or directives and are ignored; a line starting
// with ':' starts a section; the first section holds the row clues and the second the column
// clues, unless the ':' lines name them ("rows", "columns", in any case). The sections'
// lengths give the size.
PuzzleFileReading readG(const std::string& text);

// ".mk": after any '#' comments, a line of two numbers, the size; then the clues of the rows,
// a line "#", and the clues of the columns. The size line may give the rows first or the
// columns first: when its numbers differ, the sections' lengths tell which.
PuzzleFileReading readMk(const std::string& text);
