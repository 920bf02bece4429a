// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleFile.h"

#include "CellState.h"

std::vector<unsigned char> givenCells(const PuzzleFile& puzzle)
{
    const std::size_t width = puzzle.clues.columnClues.size();
    std::vector<unsigned char> cells(width * puzzle.clues.rowClues.size(), 0);
    for (const auto& [x, y] : puzzle.givens)
        cells[std::size_t(x) + std::size_t(y) * width]
            = puzzle.goal.cells[std::size_t(x)][std::size_t(y)] == Filled ? Filled : Crossed;
    return cells;
}
