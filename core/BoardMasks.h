// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LineMasks.h"

#include <cstdint>
#include <vector>

class PuzzleGrid;

// A board held as masks twice, by columns and by rows, kept in step so that both lines
// through a cell can be read without copying cells.
class BoardMasks {
public:
    // Takes the board's cells when LineMasks can hold every line: codes Blank, Filled and
    // Crossed only, 1 to LineMasks::maxLength cells a side, columns of the board's height.
    // Returns false, holding nothing useful, otherwise.
    bool load(const PuzzleGrid& board);
    // Writes the cells into the board they were loaded from.
    void store(PuzzleGrid& board) const;

    /* 0 <= index < number of rows (isRow) or columns */
    const LineMasks& line(bool isRow, int index) const { return isRow ? rows_[index] : columns_[index]; }
    // Replaces a line and the cells it shares with the crossing lines. Returns the cells
    // that changed: bit i stands for crossing line i.
    /* line.length is the line's length */
    std::uint64_t replace(bool isRow, int index, const LineMasks& line);

private:
    std::vector<LineMasks> columns_;
    std::vector<LineMasks> rows_;
};
