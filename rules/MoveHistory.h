// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CellChange.h"

#include <vector>

// The player's steps, for undo and redo. A step is every cell one action changed (a whole
// drag, a hint, keeping or dropping marks), with the marks mode before and after it: taking
// a step back returns to the mode it was made in, so marks never stand on the board while
// marks mode is off.
class MoveHistory {
public:
    struct Step {
        std::vector<CellChange> changes;
        bool markingBefore = false;
        bool markingAfter = false;
    };

    // A new step; the steps undone before it can no longer be redone. A step that changed
    // nothing is not kept and leaves the redo steps alone.
    void record(Step step);
    bool canUndo() const { return !done_.empty(); }
    bool canRedo() const { return !undone_.empty(); }
    // The step to take back, which becomes the first to redo. /* canUndo() */
    const Step& undo();
    // The step to make again, which becomes the first to undo. /* canRedo() */
    const Step& redo();
    void clear();

private:
    std::vector<Step> done_;
    std::vector<Step> undone_;
};
