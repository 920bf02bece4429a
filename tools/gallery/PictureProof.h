// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PuzzleGrid.h"

#include <utility>
#include <vector>

// Whether logic finishes a picture's puzzle from a blank board, or from the fewest cells
// given that a greedy choice finds: each given the cell whose value lets the lines decide the
// most of what is still open.
struct PictureProof {
    bool finished = false;
    int technique = 0;
    std::vector<std::pair<int, int>> givens;
};

PictureProof provePicture(const PuzzleGrid& picture, int mostGivens);

// The board with the givens entered: Filled or Crossed as in the picture, every other cell
// blank.
PuzzleGrid givenBoard(const PuzzleGrid& picture, const std::vector<std::pair<int, int>>& givens);
