// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueSet.h"
#include "PuzzleGrid.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// A puzzle as a file the player owns gives it.
struct PuzzleFile {
    // Lists in ClueSet's stored order (the run at the far end of the line first), one per
    // column and one per row; an empty line is [0].
    ClueSet clues;
    // Empty when the file has none; UTF-8, with HTML entities decoded.
    std::string title, author, copyright, licence;
    // The solution the file gives (Filled and Crossed only), width 0 when it gives none.
    PuzzleGrid goal;
    // Cells the player is shown decided at the start, (column, row) from 0, as the goal has
    // them: a picture may need a few for logic to finish it. Only a file with a goal has any.
    std::vector<std::pair<int, int>> givens;
};

// The board the givens decide, flat (x + y * width): 0 for a cell not given, Filled or Crossed
// as the goal has it for one that is.
std::vector<unsigned char> givenCells(const PuzzleFile& puzzle);

// What reading a file gave: the puzzle, or why there is none.
struct PuzzleFileReading {
    bool read = false;
    PuzzleFile puzzle;
    // When not read: the reason in English, for the player, starting "line N: " where a line
    // of the file is to blame.
    std::string error;
};

constexpr int largestPuzzleSide = 1000;
// Larger texts are refused before anything is read of them.
constexpr std::size_t largestPuzzleFileBytes = 16 << 20;
