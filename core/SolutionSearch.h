// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LinePropagator.h"
#include "WhatIf.h"

#include <vector>

// The pictures that fit a board, found by a plain depth-first search on top of the logic:
// take an undecided cell, try it filled, then crossed, letting the lines and What If run
// after each guess (What If prunes a branch long before the lines alone would see it
// fail, which is what makes a 25x25 puzzle that needs guessing a matter of a fraction of a
// second rather than minutes). It stops at the second picture, which is all a verdict needs, and it runs in
// slices of a given number of guesses, so a caller with a deadline or a tick decides how
// long it may take. The stack is explicit: a slice ends anywhere and the next one goes on.
class SolutionSearch {
public:
    // Starts from a board at the standstill of the logic; the propagator is
    // used again by every slice and must keep its clues.
    void start(LinePropagator& lines, const std::vector<unsigned char>& cells);
    // Makes at most guesses guesses; returns whether the search is over (every branch tried,
    // or two pictures found).
    bool advance(long guesses);
    // What If at each guess stops at the deadline too, so that one guess on a large board
    // cannot outlast the time the caller gave; the search stays sound, only less informed.
    void setDeadline(std::chrono::steady_clock::time_point deadline) { whatIf_.setDeadline(deadline); }
    bool finished() const { return finished_; }
    // The pictures found so far (at most two), as flat boards of 1 and 2.
    const std::vector<std::vector<unsigned char>>& solutions() const { return solutions_; }
    long guesses() const { return guesses_; }

private:
    struct Frame {
        std::vector<unsigned char> cells;
        int at = -1; // the cell guessed
        int tried = 0; // the values tried so far: filled first, then crossed
    };
    // The undecided cell to guess on a board, in the line with the fewest undecided cells
    // (the guess there is the likeliest to be settled by the lines); -1 when none is left.
    int pickCell(const std::vector<unsigned char>& cells) const;
    // Looks at a board the lines have just reached: a picture is kept, anything else is
    // pushed to be guessed on.
    void enter(const std::vector<unsigned char>& cells);

    LinePropagator* lines_ = nullptr;
    std::vector<Frame> stack_;
    size_t depth_ = 0; // frames in use; those above it are kept for their buffers
    std::vector<std::vector<unsigned char>> solutions_;
    std::vector<unsigned char> child_;
    WhatIf whatIf_;
    bool finished_ = true;
    long guesses_ = 0;
};
