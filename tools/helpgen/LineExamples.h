// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// One worked example per line technique, shown in the help as a line before and after the
// technique has run on it.
//
// Lines are written one character per cell, from the left end (the top of a column):
//     '.' blank, '#' filled, 'x' crossed
// and clues in reading order, the way the player sees them beside the line.
struct LineExample {
    int technique = 0; // LineSolver::Technique
    std::vector<int> clue; // reading order
    std::string before;
    std::string after; // filled in by solve()
};

namespace LineExamples {

// Boxes to Fill, in the order of their numbers, with the lines before only.
std::vector<LineExample> table();

std::vector<int> cells(const std::string& text);
std::string text(const std::vector<int>& cells);

// Runs the example's technique through the game's line solver, as the solver would on its
// own board, and stores the line after. The clue gets the signs the game would give it.
void solve(LineExample& example);

// Whether some line matching the clue agrees with every decided cell of the given line: an
// example must show a situation that can occur in a real puzzle.
// It tries every picture of the line, so it suits short lines only.
bool consistent(const std::vector<int>& clue, const std::string& line);

// "Glue [3 2] .#........ -> .##......."
std::string describe(const LineExample& example);

} // namespace LineExamples
