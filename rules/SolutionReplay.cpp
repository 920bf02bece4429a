// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolutionReplay.h"

#include "TechniqueTable.h"

#include <algorithm>

void SolutionReplay::record(const ClueSet& clues, PuzzleGrid& board, const PuzzleGrid& start)
{
    steps_.clear();
    position_ = 0;
    // The solver writes the clues' signs as it goes; the game's stay as play left them.
    ClueSet solving = clues;
    board.resize(static_cast<int>(clues.columnClues.size()), static_cast<int>(clues.rowClues.size()));
    if (start.width == board.width && start.height == board.height)
        board.copyFrom(start);
    PuzzleLogic logic;
    logic.setObserver([this](const PuzzleLogic::Step& d) {
        // What If's step stands on the line that broke, or on the column of the cell it assumed.
        const PuzzleLogic::Assumption& a = d.assumption;
        const bool whatIf = d.technique == whatIfTechnique;
        const bool isRow = whatIf ? a.broken && a.brokenIsRow : d.isRow;
        const int line = whatIf ? (a.broken ? a.brokenLine : a.x) : d.lineIndex;
        steps_.push_back({d.technique, isRow, line, d.clue, d.before, d.after, a});
    });
    logic.solve(board, solving);
    board.resize(board.width, board.height);
    if (start.width == board.width && start.height == board.height)
        board.copyFrom(start);
}

void SolutionReplay::write(const Step& step, const std::vector<int>& cells, PuzzleGrid& board)
{
    if (step.technique == whatIfTechnique) {
        for (int x = 0; x < board.width; ++x)
            for (int y = 0; y < board.height; ++y)
                board.cells[size_t(x)][size_t(y)] = cells[size_t(x) * size_t(board.height) + size_t(y)];
    } else {
        step.isRow ? board.setRow(step.line, cells) : board.setColumn(step.line, cells);
    }
}

void SolutionReplay::moveTo(int position, PuzzleGrid& board)
{
    position = std::clamp(position, 0, count());
    for (; position_ < position; ++position_) {
        const Step& step = steps_[position_];
        write(step, step.after, board);
    }
    for (; position_ > position; --position_) {
        const Step& step = steps_[position_ - 1];
        write(step, step.before, board);
    }
    board.changed = true;
}
