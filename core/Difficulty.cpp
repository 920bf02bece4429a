// SPDX-License-Identifier: GPL-3.0-or-later
#include "Difficulty.h"

#include "ClueSet.h"
#include "LogicSolver.h"
#include "PuzzleGrid.h"
#include "PuzzleLogic.h"

namespace {

bool solvesFromBlank(LogicSolver& solver, const ClueSet& clues)
{
    PuzzleGrid board;
    board.resize(static_cast<int>(clues.columnClues.size()), static_cast<int>(clues.rowClues.size()));
    ClueSet working = clues;
    return solver.solve(board, working);
}

} // namespace

Difficulty gradePuzzle(const ClueSet& clues)
{
    LogicSolver solver;
    const bool solved = solvesFromBlank(solver, clues);
    const LogicSolver::Record run = solver.lastRecord();
    Difficulty difficulty;
    difficulty.deductions = run.deductions;
    difficulty.sweeps = run.sweeps;
    difficulty.hardestTechnique = run.highestTechnique;
    if (!solved)
        return difficulty;
    // Whichever technique deduces first takes the deduction, so the highest one used (in
    // most puzzles Gap or Fill, the last two tried) is often not needed: lower ones would
    // have found the same cells a sweep later. The techniques up to the highest one used
    // solve the puzzle, as they repeat the run above; look for a shorter list.
    for (int highest = LineSolver::Boxes; highest < run.highestTechnique; ++highest) {
        solver.setTechniqueLimit(highest);
        if (solvesFromBlank(solver, clues)) {
            difficulty.hardestTechnique = highest;
            break;
        }
    }
    return difficulty;
}

bool sevenTechniquesFinish(const ClueSet& clues)
{
    LogicSolver seven;
    return solvesFromBlank(seven, clues);
}

Difficulty gradeWithEveryTechnique(const ClueSet& clues)
{
    if (sevenTechniquesFinish(clues))
        return gradePuzzle(clues);
    PuzzleGrid board;
    board.resize(static_cast<int>(clues.columnClues.size()), static_cast<int>(clues.rowClues.size()));
    ClueSet working = clues;
    PuzzleLogic logic;
    logic.solve(board, working);
    const LogicSolver::Record& run = logic.lastRecord();
    Difficulty difficulty;
    difficulty.hardestTechnique = run.highestTechnique;
    difficulty.deductions = run.deductions;
    difficulty.sweeps = run.sweeps;
    return difficulty;
}
