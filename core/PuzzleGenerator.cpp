// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleGenerator.h"

#include "ClueSet.h"

#include <cmath>

void PuzzleGenerator::startGeneration(PuzzleGrid& board, ClueSet& clues, int columns, int rows, std::uint32_t seed)
{
    columns_ = columns;
    rows_ = rows;
    seed_ = seed;
    random_.reseed(seed);
    restart(board, clues);
}

bool PuzzleGenerator::generationStep(PuzzleGrid& board, PuzzleGrid& solution, ClueSet& clues)
{
    if (nextStepTests())
        return testPicture(board, solution, clues);
    climb(board, clues);
    return false;
}

bool PuzzleGenerator::generateFor(
    PuzzleGrid& board, PuzzleGrid& solution, ClueSet& clues, std::chrono::nanoseconds budget)
{
    const auto start = std::chrono::steady_clock::now();
    do {
        if (generationStep(board, solution, clues))
            return true;
    } while (std::chrono::steady_clock::now() - start < budget);
    return false;
}

bool PuzzleGenerator::testPicture(PuzzleGrid& board, PuzzleGrid& solution, ClueSet& clues)
{
    clues.computeFrom(board);
    solution.copyFrom(board);
    board.resize(columns_, rows_);
    if (solver_.solve(board, clues)) {
        board.resize(columns_, rows_);
        return true;
    }
    restart(board, clues);
    return false;
}

void PuzzleGenerator::climb(PuzzleGrid& board, ClueSet& clues)
{
    // A candidate must beat 1.0 as well as the picture; ties keep the earlier candidate.
    float best = 1.0f;
    int bestIndex = -1;
    for (int i = 0; i < candidateCount; ++i) {
        PuzzleGrid& candidate = candidates_[i];
        candidate.copyFrom(board);
        candidate.flipRandomCells(flipsPerCandidate, random_);
        clues.computeFrom(candidate);
        const float score = scorePuzzle(clues);
        if (score < best) {
            best = score;
            bestIndex = i;
        }
    }
    // The clue set now describes the last candidate; the test step recomputes it.
    if (bestIndex >= 0 && currentScore > best) {
        board.copyFrom(candidates_[bestIndex]);
        currentScore = best;
        staleRounds = 0;
    } else {
        ++staleRounds;
    }
}

void PuzzleGenerator::restart(PuzzleGrid& board, ClueSet& clues)
{
    board.randomize(columns_, rows_, random_);
    clues.computeFrom(board);
    staleRounds = 0;
    currentScore = scorePuzzle(clues);
}

float PuzzleGenerator::scorePuzzle(const ClueSet& clues)
{
    const double area = static_cast<double>(clues.columnClues.size()) * static_cast<double>(clues.rowClues.size());
    long long clueCount = 0;
    long long filledCount = 0;
    for (const auto& list : clues.columnClues) {
        clueCount += static_cast<long long>(list.size());
        for (int value : list)
            filledCount += value;
    }
    for (const auto& list : clues.rowClues)
        clueCount += static_cast<long long>(list.size());
    // Double precision with one rounding at the end: candidates often tie, and float
    // arithmetic would break those ties differently and change which puzzle a seed gives.
    return static_cast<float>(std::fabs(clueCount / area - 0.33) + std::fabs(filledCount / area - 0.5));
}
