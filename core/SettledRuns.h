// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// Which numbers of a line's clue the player has certainly finished, so that each can fade on
// its own before the whole line matches.
//
// A run is identified only when nothing open lies between it and an end of the line: seen
// from the line's start, every cell up to the run's closing wall is Filled or Crossed, and
// the run is closed on both sides by the edge or a Crossed cell. Then it is the first,
// second, ... run of the line, and settles the clue's first, second, ... number when its
// length is that number. The same from the line's end settles the last numbers.
//
// Blank cells and marks are open: a mark is a guess, and what follows a guess is not
// certain. So in  . x # x .  with clue 1 1 the closed run could be either number, and
// neither settles; in  # x # # .  with clue 1 2 only the 1 settles, since its 2 is not closed.
//
// A line whose identified runs already contradict its clue (a run of the wrong length, more
// runs than numbers, a filled cell left over when every number is placed, or a line with no
// open cell that does not match) settles nothing: its numbers stay bright to show it needs
// another look.
namespace SettledRuns {

// Bit k is set when entry k of the clue (stored order, far-end run first, signs ignored) is
// settled. Lists longer than 64 entries settle nothing; so does an empty line's [0], which
// always shows faded anyway.
std::uint64_t numbers(const std::vector<int>& line, const std::vector<int>& clue);

} // namespace SettledRuns
