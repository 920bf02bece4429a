// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds bytes to the reader the window's loader uses for "auto.sav". Beyond not crashing, what
// it accepts must be a game the window can lay out and the player can still win, and what it
// refuses must leave the target as it was.
#include "CellState.h"
#include "FuzzChecks.h"
#include "GameMode.h"
#include "LogicSolver.h"
#include "PuzzleFile.h"
#include "PuzzleSizes.h"
#include "ResumableGame.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void requireConsistent(const ResumableGame& game)
{
    const SavedGame& saved = game.saved;
    require(saved.mode >= Beginner && saved.mode <= Expert, "unknown mode");
    require(saved.inFirstForm() ? sizeIndexOf(saved.columns, saved.rows) >= 0
                                : saved.columns >= 1 && saved.columns <= largestPuzzleSide && saved.rows >= 1
                && saved.rows <= largestPuzzleSide,
        "a size the form cannot hold");
    require(saved.time >= 0 && saved.faults >= 0, "negative time or faults");
    require(int(saved.columnClues.size()) == saved.columns && int(saved.rowClues.size()) == saved.rows,
        "a clue list too many or too few");
    for (const auto& clue : saved.columnClues)
        require(fitsLine(clue, saved.rows), "a column clue that cannot fit");
    for (const auto& clue : saved.rowClues)
        require(fitsLine(clue, saved.columns), "a row clue that cannot fit");
    require(int(saved.cells.size()) <= saved.columns * saved.rows, "more cells than the board");
    for (const SavedGame::Cell& cell : saved.cells) {
        require(cell.x >= 0 && cell.x < saved.columns && cell.y >= 0 && cell.y < saved.rows, "a cell off the board");
        require(cell.code >= Filled && cell.code <= MarkedCrossed, "an unknown cell code");
    }

    const PuzzleGrid& solution = game.solution;
    // A kept puzzle without one known solution is played without one, and never in Beginner.
    if (!saved.inFirstForm() && !game.puzzle.hasOneSolution()) {
        require(saved.mode != Beginner, "Beginner without a solution");
        require(solution.width == 0, "a solution nobody knows");
        return;
    }
    require(solution.width == saved.columns && solution.height == saved.rows, "a solution of another size");
    for (const auto& column : solution.cells)
        for (int code : column)
            require(code == Filled || code == Crossed, "an undecided solution cell");

    // The solution, entered in full, must win by the same test the tick applies.
    ClueSet clues;
    clues.columnClues = saved.columnClues;
    clues.rowClues = saved.rowClues;
    clues.updateSatisfied(solution);
    require(clues.allSatisfied(), "a solution that does not win");
    ClueSet given;
    given.computeFrom(solution);
    for (size_t x = 0; x < given.columnClues.size(); ++x)
        for (size_t i = 0; i < given.columnClues[x].size(); ++i)
            require(std::abs(saved.columnClues[x][i]) == given.columnClues[x][i], "clues the solution does not give");

    // Beginner cannot erase, so every entered cell must already be right.
    if (saved.mode == Beginner)
        for (const SavedGame::Cell& cell : saved.cells)
            require(cell.code == solution.cells[cell.x][cell.y], "a Beginner cell that can never be put right");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static LogicSolver solver;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // A target no file can produce, so any write to it on a refusal shows.
    ResumableGame game;
    game.saved.mode = -1;
    game.saved.time = -2;
    game.saved.cells.push_back({-3, -3, -3});
    if (ResumableGame::read(bytes, solver, game))
        requireConsistent(game);
    else
        require(game.saved.mode == -1 && game.saved.time == -2 && game.saved.cells.size() == 1
                && game.saved.columnClues.empty() && game.solution.width == 0,
            "a refused file changed the game");
    return 0;
}
