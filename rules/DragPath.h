// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The cells a drag passes. A drag stays on its first cell until the pointer leaves it; from
// then on it keeps to that cell's row or column, whichever the pointer left it along, and
// each move visits, in order, every cell from the last one visited to the pointer's
// projection on that line, so a pointer that jumps leaves no gap.
//
// On a 5 x 5 board, a drag that starts on (0, 2) and jumps to (4, 3) has moved four columns
// and one row: it keeps to row 2 and visits (1, 2), (2, 2), (3, 2) and (4, 2). A later move
// to (2, 0) takes it back over (3, 2) and (2, 2).
class DragPath {
public:
    struct Cell {
        int x;
        int y;
        bool operator==(const Cell& other) const { return x == other.x && y == other.y; }
    };

    /* 0 <= x < width, 0 <= y < height */
    void start(int x, int y, int width, int height);
    // The cells newly passed with the pointer over cell (x, y), which may lie off the board;
    // the projection stays on the board. A diagonal first move keeps to the row when it went
    // at least as far across as down.
    const std::vector<Cell>& follow(int x, int y);

private:
    enum class Line { Undecided, Row, Column };
    Line line_ = Line::Undecided;
    Cell first_ {0, 0};
    Cell last_ {0, 0};
    int width_ = 0;
    int height_ = 0;
    std::vector<Cell> passed_;
};
