// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LogicSolver.h"
#include "PuzzleGrid.h"
#include "PuzzleRandom.h"

#include <array>
#include <chrono>

class ClueSet;

// Makes puzzles that logic alone can solve, one small step at a time so the game's 10 ms
// tick stays short.
//
// A random picture is nudged toward the density that plays best (a third as many clue
// numbers as cells, half the cells filled) by a hill climb: each step scores ten copies of
// it with five random cells flipped and keeps the best copy if it beats the picture. After
// more than ten steps without improvement the picture's clues are handed to the solver; if
// it solves them from a blank board the puzzle is accepted (and so has one solution),
// otherwise the climb starts over from a new random picture.
//
// Its own random source, seeded per puzzle, supplies all its randomness, drawn in a fixed
// order: the seed fixes the puzzle, and the puzzle is the one the generator made after
// srand(seed) when it drew from rand().
class PuzzleGenerator {
public:
    static constexpr int candidateCount = 10;
    static constexpr int flipsPerCandidate = 5;
    static constexpr int patience = 10;

    // Steps in a row in which no candidate beat the working picture.
    int staleRounds = 0;
    // Score of the working picture; lower is better.
    float currentScore = 0.0f;

    // Starts a new random working picture, from that seed, in board and its clues in clues.
    void startGeneration(PuzzleGrid& board, ClueSet& clues, int columns, int rows, std::uint32_t seed);
    // The seed of the puzzle begun last.
    std::uint32_t seed() const { return seed_; }
    // One hill-climb or test step. Returns true on the step that accepts a puzzle: board is
    // then blank, solution holds the picture and clues its clue lists.
    bool generationStep(PuzzleGrid& board, PuzzleGrid& solution, ClueSet& clues);
    // Runs whole steps back to back until one accepts a puzzle (true) or budget has been
    // spent (false). One step takes microseconds, so the game's tick runs steps for a few
    // milliseconds: puzzles arrive in a few ticks instead of seconds, and the draws from
    // the random source are the same as one step at a time.
    bool generateFor(PuzzleGrid& board, PuzzleGrid& solution, ClueSet& clues, std::chrono::nanoseconds budget);
    // How much of a 10 ms tick the game gives to creating a puzzle.
    static constexpr std::chrono::milliseconds tickBudget {4};

    // Distance from the target densities, |clue numbers / area - 0.33| + |filled / area - 0.5|.
    static float scorePuzzle(const ClueSet& clues);

    /* only meaningful between startGeneration and acceptance */
    bool nextStepTests() const { return staleRounds > patience; }

private:
    bool testPicture(PuzzleGrid& board, PuzzleGrid& solution, ClueSet& clues);
    void climb(PuzzleGrid& board, ClueSet& clues);
    void restart(PuzzleGrid& board, ClueSet& clues);

    int columns_ = 0;
    int rows_ = 0;
    std::uint32_t seed_ = 0;
    PuzzleRandom random_;
    std::array<PuzzleGrid, candidateCount> candidates_;
    LogicSolver solver_;
};
