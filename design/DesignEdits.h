// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Design.h"
#include "DragPath.h"

// The designer's commands on a whole picture. The givens go with their cells.
namespace DesignEdits {

// Every cell empty, nothing given.
void clear(Design& design);
// Filled cells become empty and empty ones filled.
void invert(Design& design);
// The picture moves by a cell or more; what leaves one edge comes in at the other, so that a
// shift back undoes it.
void shift(Design& design, int columns, int rows);
// Left for right (acrossColumns), or top for bottom.
void mirror(Design& design, bool acrossColumns);

} // namespace DesignEdits

// One stroke of the mouse or the keys: from the cell pressed, along its row or column as the
// game's drags go, or, with Shift, the rectangle from that cell to the pointer's. Each move
// draws the stroke again on the picture the stroke began from, so a rectangle drawn smaller
// gives back the cells it no longer covers.
class DesignStroke {
public:
    void start(const Design& before, int x, int y, bool fill, bool rectangle);
    // The pointer over cell (x, y), which may lie off the picture.
    void follow(Design& design, int x, int y);
    bool active() const { return active_; }
    void end() { active_ = false; }

private:
    void paint(Design& design, int x, int y) const;

    Design before_;
    DragPath path_;
    int startX_ = 0;
    int startY_ = 0;
    bool fill_ = true;
    bool rectangle_ = false;
    bool active_ = false;
};
