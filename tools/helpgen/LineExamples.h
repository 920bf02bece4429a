// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// One worked example per line technique (the seven and Arrangements), shown in the help as a
// line before and after the technique has run on it.
//
// Lines are written one character per cell, from the left end (the top of a column):
//     '.' blank, '#' filled, 'x' crossed
// and clues in reading order, the way the player sees them beside the line.
struct LineExample {
    int technique = 0; // a line technique's number (TechniqueTable.h)
    std::vector<int> clue; // reading order
    std::string before;
    std::string after; // filled in by solve()
};

namespace LineExamples {

// Boxes to Fill, then Arrangements, in the order of their numbers, with the lines before only.
std::vector<LineExample> table();

std::vector<int> cells(const std::string& text);
std::string text(const std::vector<int>& cells);

// Runs the example's technique as the game's solver would on its own board (the seven through
// LineSolver, Arrangements through its own class), and stores the line after. The clue gets
// the signs the game would give it.
void solve(LineExample& example);

// Whether none of the seven techniques writes a cell on the example's line before: what an
// example of Arrangements shows must be what only the whole line tells.
bool sevenFindNothing(const LineExample& example);

// Whether some line matching the clue agrees with every decided cell of the given line: an
// example must show a situation that can occur in a real puzzle.
// It tries every picture of the line, so it suits short lines only.
bool consistent(const std::vector<int>& clue, const std::string& line);

// "Glue [3 2] .#........ -> .##......."
std::string describe(const LineExample& example);

} // namespace LineExamples
