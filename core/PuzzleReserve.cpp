// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleReserve.h"

#include <cstdlib>
#include <utility>

void PuzzleReserve::aimAt(int columns, int rows, int band, bool pictures)
{
    if (columns == columns_ && rows == rows_ && band == band_ && pictures == pictures_)
        return;
    columns_ = columns;
    rows_ = rows;
    band_ = band;
    pictures_ = pictures;
    drop();
}

void PuzzleReserve::work(std::chrono::nanoseconds budget)
{
    if (ready_ || columns_ <= 0 || rows_ <= 0 || budget <= stepAllowance)
        return;
    const auto start = std::chrono::steady_clock::now();
    if (!begun_) {
        // The seed is all the puzzle takes from the game's randomness.
        maker_.start(columns_, rows_, band_, static_cast<std::uint32_t>(std::rand()), pictures_, true);
        begun_ = true;
    }
    ready_ = maker_.makeFor(budget - stepAllowance);
    busy_ += std::chrono::steady_clock::now() - start;
}

bool PuzzleReserve::take(int columns, int rows, int band, PuzzleMaker& maker)
{
    if (!readyFor(columns, rows, band))
        return false;
    std::swap(maker_, maker);
    drop();
    return true;
}

void PuzzleReserve::drop()
{
    begun_ = false;
    ready_ = false;
}
