// SPDX-License-Identifier: GPL-3.0-or-later
#include "Puzzle.h"

#include "PuzzleLogic.h"

#include <cinttypes>
#include <cstdio>

bool Puzzle::hasOneSolution() const
{
    return (verdict == PuzzleVerdict::Kind::Logic || verdict == PuzzleVerdict::Kind::Guess) && solutions.size() == 1;
}

PuzzleGrid Puzzle::oneSolution() const
{
    return hasOneSolution() ? solutions.front() : PuzzleGrid {};
}

PuzzleGrid Puzzle::startBoard() const
{
    PuzzleGrid board;
    board.resize(columns(), rows());
    const PuzzleGrid solution = oneSolution();
    if (solution.width != board.width || solution.height != board.height)
        return board;
    for (const auto& [x, y] : givens)
        if (x >= 0 && y >= 0 && x < board.width && y < board.height)
            board.cells[std::size_t(x)][std::size_t(y)] = solution.cells[std::size_t(x)][std::size_t(y)];
    return board;
}

std::string clueFingerprint(const ClueSet& clues)
{
    // FNV-1a, 64 bits, over every number with a mark between lines and between directions.
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](std::uint64_t value) {
        for (int byte = 0; byte < 4; ++byte) {
            hash ^= (value >> (8 * byte)) & 0xff;
            hash *= 1099511628211ull;
        }
    };
    for (const auto* direction : {&clues.columnClues, &clues.rowClues}) {
        for (const std::vector<int>& clue : *direction) {
            for (const int run : clue)
                mix(static_cast<std::uint32_t>(run));
            mix(0xfffffffeu);
        }
        mix(0xffffffffu);
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016" PRIx64, hash);
    return hex;
}

Difficulty Puzzle::workFromStart(int hardestTechnique) const
{
    PuzzleGrid board = startBoard();
    ClueSet working = clues;
    PuzzleLogic logic;
    logic.solve(board, working);
    return {hardestTechnique, logic.lastRecord().deductions, logic.lastRecord().sweeps};
}
