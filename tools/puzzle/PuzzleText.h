// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <string>
#include <vector>

class ClueSet;
class PuzzleGrid;

// Plain-text forms of lines and clues for the puzzle tool.
//
// Cells: '?' blank, '#' filled, '.' crossed, 'o' marked filled, 'x' marked crossed.
// Clues are written in reading order (top to bottom, left to right), one list per line of
// the board, lists separated by commas:
//     columns: 1 2, 3, 0, 1 1
//     rows: 2, 1 1, 3, 0
namespace PuzzleText {

std::string cells(const std::vector<int>& line);
// A row of cells a line, top to bottom.
std::string board(const PuzzleGrid& board);
std::string clueLine(const char* label, const std::vector<std::vector<int>>& lists);
// The "columns:" and "rows:" lines, each ending in a line break, as readClues reads them.
std::string clueLines(const ClueSet& clues);

// Reads the "columns:" and "rows:" lines of a text and fills clues in stored order; other
// lines are ignored. Returns false, with a reason, when either is missing or malformed.
bool readClues(std::istream& in, ClueSet& clues, std::string& error);

} // namespace PuzzleText
