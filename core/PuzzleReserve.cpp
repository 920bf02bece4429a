// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleReserve.h"

#include <cstdlib>

void PuzzleReserve::aimAt(int columns, int rows)
{
    if (columns == columns_ && rows == rows_)
        return;
    columns_ = columns;
    rows_ = rows;
    drop();
}

void PuzzleReserve::work(std::chrono::nanoseconds budget)
{
    if (ready_ || columns_ <= 0 || rows_ <= 0 || budget <= stepAllowance)
        return;
    const auto start = std::chrono::steady_clock::now();
    if (!begun_) {
        // The seed is all the puzzle takes from the game's randomness.
        generator_.startGeneration(board_, clues_, columns_, rows_, static_cast<std::uint32_t>(std::rand()));
        begun_ = true;
    }
    ready_ = generator_.generateFor(board_, solution_, clues_, budget - stepAllowance);
    busy_ += std::chrono::steady_clock::now() - start;
}

bool PuzzleReserve::take(int columns, int rows, PuzzleGrid& solution, ClueSet& clues, std::uint32_t& seed)
{
    if (!readyFor(columns, rows))
        return false;
    seed = generator_.seed();
    solution.copyFrom(solution_);
    clues.columnClues = clues_.columnClues;
    clues.rowClues = clues_.rowClues;
    drop();
    return true;
}

void PuzzleReserve::drop()
{
    begun_ = false;
    ready_ = false;
}
