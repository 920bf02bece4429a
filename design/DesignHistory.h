// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Design.h"

#include <vector>

// The design being drawn and the steps to undo and redo. A step is everything changed
// between edit() and commit(): one stroke of the mouse, or one command. The texts are no
// part of a step: undo takes back the picture and its givens, never a title typed since.
class DesignHistory {
public:
    // Starts again from a design, with nothing to undo.
    void reset(Design design);
    const Design& design() const { return design_; }
    // The design to change in place; the first call after a commit opens a step.
    Design& edit();
    // Closes the step; one that changed nothing is forgotten. Returns whether it changed
    // anything.
    bool commit();
    // The picture as the open step found it (the design when none is open).
    const Design& stepStart() const { return open_ ? stepStart_ : design_; }
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    void undo();
    void redo();
    // Counts every change, so that a view or a verdict knows when to look again.
    unsigned revision() const { return revision_; }

    // How many steps are kept to undo: a 60x60 design is a few kilobytes a step.
    static constexpr std::size_t mostSteps = 500;

private:
    void restore(std::vector<Design>& from, std::vector<Design>& to);

    Design design_;
    Design stepStart_;
    bool open_ = false;
    std::vector<Design> undo_;
    std::vector<Design> redo_;
    unsigned revision_ = 0;
};
