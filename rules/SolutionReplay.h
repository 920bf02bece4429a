// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueSet.h"
#include "PuzzleGrid.h"
#include "PuzzleLogic.h"

#include <vector>

// How a puzzle is solved by logic, replayed from the blank board: the deductions of every
// technique (the seven first, as the puzzle tool's "solve" prints them), one line each, or for
// What If the cells its assumption decided, stepped through forward and back. A puzzle logic
// cannot finish is replayed as far as logic goes.
class SolutionReplay {
public:
    struct Step {
        int technique;
        bool isRow;
        int line;
        std::vector<int> clue; // as stored, far end first
        // The line's cells; for What If, the whole board's, column by column.
        std::vector<int> before;
        std::vector<int> after;
        PuzzleLogic::Assumption assumption;
    };

    // Solves the clues from the start board (blank, or with a puzzle's givens) and keeps
    // every deduction; the board becomes the start board.
    void record(const ClueSet& clues, PuzzleGrid& board, const PuzzleGrid& start);

    int count() const { return static_cast<int>(steps_.size()); }
    // The steps written on the board so far; the last of them is the one on show.
    int position() const { return position_; }
    bool atEnd() const { return position_ == count(); }
    // The step on show; null at the start.
    const Step* current() const { return position_ > 0 ? &steps_[position_ - 1] : nullptr; }
    // Writes or takes back steps until position (kept within the replay) is reached.
    void moveTo(int position, PuzzleGrid& board);

private:
    static void write(const Step& step, const std::vector<int>& cells, PuzzleGrid& board);

    std::vector<Step> steps_;
    int position_ = 0;
};
