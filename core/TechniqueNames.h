// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The English names of the techniques by number, from their table: "Boxes" ... "Fill",
// "Arrangements", "What If"; empty for 0 or any other number.
const char* techniqueName(int technique);

// A stored (far-end-first, perhaps signed) clue list as the player reads it: "6 1".
std::string clueText(const std::vector<int>& stored);

// A line and its clue as the player counts them, from 1: "Column 4, clue 6 1".
std::string lineName(bool isRow, int index, const std::vector<int>& storedClue);

// One technique's deduction on a line: "Column 4, clue 6 1: Boxes".
std::string deductionName(int technique, bool isRow, int index, const std::vector<int>& storedClue);

// A What If step as the player reads it: "If column 7, row 3 were filled, row 3 could not
// hold its clue 3 1: so it is empty." broken is the value assumed (Filled or Crossed); 0 when
// both values agreed: "Whether column 7, row 3 is filled or empty, the same cells follow."
std::string whatIfText(int x, int y, int broken, bool brokenIsRow, int brokenLine, const std::vector<int>& brokenClue);
