// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PuzzleFile.h"

#include <string>

// The ".non" format: "key value" lines (width, height, title, by, copyright, license, goal,
// and "given COLUMN,ROW" for each cell shown decided at the start, counted from 1, which
// readers that do not know it pass over), "rows" and "columns" each followed by one clue line
// per line of the board, "#" comments.
// A ".nonpack" holds several such puzzles between "====" lines; the first is read.
PuzzleFileReading readNon(const std::string& text);

// The puzzle as a ".non" text that readNon reads back to the same value: texts quoted with
// '"', '&' and line breaks written as entities; a licence that is a bare licence code stays
// bare. Goal cells other than Filled are written empty.
std::string writeNon(const PuzzleFile& puzzle);
