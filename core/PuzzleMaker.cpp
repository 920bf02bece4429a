// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleMaker.h"

#include "DifficultyBands.h"
#include "LineSolver.h"

#include <limits>

void PuzzleMaker::start(int columns, int rows, int band, std::uint32_t seed, bool pictures, bool searching)
{
    columns_ = columns;
    rows_ = rows;
    band_ = band;
    seed_ = seed;
    pictures_ = pictures;
    searching_ = searching && band >= 0;
    seedsTried_ = 1;
    if (pictures)
        picture_.start(columns, rows, seed, band);
    else
        climb_.startGeneration(board_, clues_, columns, rows, seed);
}

bool PuzzleMaker::makeFor(std::chrono::nanoseconds budget)
{
    if (pictures_)
        return picture_.generateFor(budget);
    const auto start = std::chrono::steady_clock::now();
    for (auto now = start; now - start < budget; now = std::chrono::steady_clock::now()) {
        if (!climb_.generateFor(board_, solution_, clues_, budget - (now - start)))
            continue;
        difficulty_ = gradePuzzle(clues_);
        if (!searching_ || bandOf(difficulty_, columns_, rows_) == band_ || seedsTried_ >= mostSeeds)
            return true;
        ++seedsTried_;
        climb_.startGeneration(board_, clues_, columns_, rows_, ++seed_);
    }
    return false;
}

int PuzzleMaker::band() const
{
    return band_ < 0 ? -1 : bandOf(difficulty(), columns_, rows_);
}

bool PuzzleMaker::canMake(int band, bool pictures)
{
    if (pictures || band <= 0)
        return true;
    // A band holds what the one below it does not: past that band's techniques, or, where
    // it limits sweeps too, past its sweeps.
    const DifficultyBand& below = difficultyBands()[band - 1];
    return below.hardestTechnique < LineSolver::Fill
        || below.mostSweepsPerSide < std::numeric_limits<double>::infinity();
}
