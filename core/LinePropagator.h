// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Arrangements.h"

#include <cstddef>
#include <vector>

class ClueSet;

// A board solved as far as lines alone can take it: Arrangements on every line whose cells
// changed, until none does or a line holds no placement. What If and the search run it on
// boards of their own, so it works on a flat board of bytes, index x + y * width, each 0
// (undecided), 1 (filled) or 2 (crossed), and allocates only when given a puzzle.
class LinePropagator {
public:
    struct Line {
        bool isRow = false;
        int index = -1;
    };

    // Takes a puzzle's clues (stored lists, one per column and per row).
    void setClues(const ClueSet& clues);
    int width() const { return width_; }
    int height() const { return height_; }
    // The runs of a line in line order, none for an empty line.
    const std::vector<int>& runs(bool isRow, int index) const
    {
        return isRow ? rowRuns_[size_t(index)] : columnRuns_[size_t(index)];
    }

    // From every line. False when a line can hold its clue no more: broken, if given, names
    // the first such line, and the cells are left part way.
    bool propagate(std::vector<unsigned char>& cells, Line* broken = nullptr);
    // From the two lines through a cell just decided, the rest being as propagate left it.
    bool propagateFrom(std::vector<unsigned char>& cells, int x, int y, Line* broken = nullptr);
    // Lines solved since setClues, for the benchmarks.
    long lineSolves() const { return lineSolves_; }

private:
    void push(bool isRow, int index);
    bool run(std::vector<unsigned char>& cells, Line* broken);

    int width_ = 0;
    int height_ = 0;
    std::vector<std::vector<int>> columnRuns_;
    std::vector<std::vector<int>> rowRuns_;
    std::vector<char> queuedColumns_;
    std::vector<char> queuedRows_;
    // Lines waiting, as index (columns) or width + index (rows), first in first out.
    std::vector<int> queue_;
    size_t queueHead_ = 0;
    std::vector<unsigned char> line_;
    Arrangements arrangements_;
    long lineSolves_ = 0;
};
