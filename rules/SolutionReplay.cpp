// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolutionReplay.h"

#include "LogicSolver.h"

#include <algorithm>

void SolutionReplay::record(const ClueSet& clues, PuzzleGrid& board)
{
    steps_.clear();
    position_ = 0;
    // The solver writes the clues' signs as it goes; the game's stay as play left them.
    ClueSet solving = clues;
    board.resize(static_cast<int>(clues.columnClues.size()), static_cast<int>(clues.rowClues.size()));
    LogicSolver solver;
    solver.setObserver([this](const LogicSolver::Deduction& d) {
        steps_.push_back({d.technique, d.isRow, d.lineIndex, d.clue, d.before, d.after});
    });
    solver.solve(board, solving);
    board.resize(board.width, board.height);
}

void SolutionReplay::moveTo(int position, PuzzleGrid& board)
{
    position = std::clamp(position, 0, count());
    for (; position_ < position; ++position_) {
        const Step& step = steps_[position_];
        step.isRow ? board.setRow(step.line, step.after) : board.setColumn(step.line, step.after);
    }
    for (; position_ > position; --position_) {
        const Step& step = steps_[position_ - 1];
        step.isRow ? board.setRow(step.line, step.before) : board.setColumn(step.line, step.before);
    }
    board.changed = true;
}
