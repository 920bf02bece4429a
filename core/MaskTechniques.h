// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LineMasks.h"

#include <vector>

// LineSolver's seven techniques for the solver's fast path: the same rules, run on a line
// held as masks and writing Filled and Crossed. For every line LineMasks can hold and every
// clue list (signs, zero runs and lists that fit no picture included) each one writes the
// same cells and returns the same result as its LineSolver namesake called with
// Filled/Crossed. Where LineSolver walks cell by cell, these jump over whole stretches of
// blank, filled or uncrossed cells, taking the decisions the walk would take at the
// stretch's end.
namespace MaskTechniques {

bool boxes(LineMasks& line, const std::vector<int>& clues);
bool complete(LineMasks& line, const std::vector<int>& clues);
bool mercury(LineMasks& line, const std::vector<int>& clues);
bool glue(LineMasks& line, const std::vector<int>& clues);
bool punctuate(LineMasks& line, const std::vector<int>& clues);
bool gap(LineMasks& line, const std::vector<int>& clues);
bool fill(LineMasks& line, const std::vector<int>& clues);

/* technique in LineSolver::Boxes..LineSolver::Fill; any other number writes nothing */
bool apply(int technique, LineMasks& line, const std::vector<int>& clues);
// Runs all seven in their order, each on the line the previous one left; returns the ones
// that wrote, bit t for technique t (so 0 when none did).
unsigned applyAll(LineMasks& line, const std::vector<int>& clues);

} // namespace MaskTechniques
