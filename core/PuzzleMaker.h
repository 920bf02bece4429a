// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueSet.h"
#include "Difficulty.h"
#include "PictureGenerator.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"

#include <chrono>
#include <cstdint>

// Makes the puzzle of a size, a difficulty band and a seed, a few milliseconds at a time:
// the six sizes by the hill climb (PuzzleGenerator), the large ones by PictureGenerator. The
// hill climb knows nothing of bands; asked to search, the maker tries seed after seed from
// the one given until a puzzle's grade falls in the band, and the puzzle is then named by
// the seed that made it.
class PuzzleMaker {
public:
    // band is an index into difficultyBands(), or -1 for none. pictures says which generator
    // the size has; searching applies to the hill climb only.
    void start(int columns, int rows, int band, std::uint32_t seed, bool pictures, bool searching);
    // Works until the puzzle is made (true) or the budget is spent (false); a step begun is
    // finished, so it may overrun by one step.
    bool makeFor(std::chrono::nanoseconds budget);
    // Once made: the picture, its clues and grade, the seed that made it and the band it is
    // in (-1 when made for none).
    const PuzzleGrid& solution() const { return pictures_ ? picture_.solution() : solution_; }
    const ClueSet& clues() const { return pictures_ ? picture_.clues() : clues_; }
    const Difficulty& difficulty() const { return pictures_ ? picture_.difficulty() : difficulty_; }
    std::uint32_t seed() const { return seed_; }
    int band() const;
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    // What was tried: the large sizes' pictures, the six sizes' seeds; for the benchmarks.
    int candidates() const { return pictures_ ? picture_.candidates() : seedsTried_; }

    // Whether a size made so can hold puzzles of the band at all: the hill climb keeps only
    // what the seven techniques finish, so a band made only of puzzles that need more is out
    // of its reach.
    static bool canMake(int band, bool pictures);

    // How many seeds the search tries before it takes the puzzle it has, whatever its band:
    // a band the size almost never reaches must not keep the player waiting for ever.
    static constexpr int mostSeeds = 2000;

private:
    int columns_ = 0;
    int rows_ = 0;
    int band_ = -1;
    std::uint32_t seed_ = 0;
    bool pictures_ = false;
    bool searching_ = false;
    int seedsTried_ = 0;
    PuzzleGenerator climb_;
    PuzzleGrid board_;
    PuzzleGrid solution_;
    ClueSet clues_;
    Difficulty difficulty_;
    PictureGenerator picture_;
};
