// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The names of the seven techniques by number (LineSolver::Technique): "Boxes", "Complete",
// "Mercury", "Glue", "Punctuate", "Gap", "Fill"; empty for 0 or any other number. They are
// also the anchors of the techniques' help pages.
const char* techniqueName(int technique);

// A stored (far-end-first, perhaps signed) clue list as the player reads it: "6 1".
std::string clueText(const std::vector<int>& stored);

// A line and its clue as the player counts them, from 1: "Column 4, clue 6 1".
std::string lineName(bool isRow, int index, const std::vector<int>& storedClue);

// One technique's deduction on a line: "Column 4, clue 6 1: Boxes".
std::string deductionName(int technique, bool isRow, int index, const std::vector<int>& storedClue);
