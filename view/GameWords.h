// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

// The game's own words in the player's language. The English names of modes and techniques
// are also keys (score groups, settings, the help's anchors), which stay English wherever
// they are stored or linked.
namespace GameWords {

// "Beginner", "Normal", "Expert"; empty for any other number.
QString mode(int mode);
// A technique's name by its number ("Boxes" ... "What If"); empty for any other number.
QString technique(int technique);
// A difficulty band's name ("Easy" ... "Very Hard"), or "Any" for -1.
QString difficulty(int band);
// "Hardest technique: Glue".
QString hardestTechnique(int technique);
// A line and its clue as the player counts them, from 1: "Column 4, clue 6 1".
QString line(bool isRow, int index, const std::vector<int>& storedClue);
// One technique's deduction on a line: "Column 4, clue 6 1: Boxes".
QString deduction(int technique, bool isRow, int index, const std::vector<int>& storedClue);

// What If's reasoning on cell (x, y): the value assumed that broke a line (Filled or Crossed;
// 0 when both values gave the same cells), as the hint tells it.
QString whatIf(int x, int y, int broken);

} // namespace GameWords
