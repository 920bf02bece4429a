// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LinePropagator.h"

#include <chrono>
#include <vector>

// What If: assume an undecided cell filled, then crossed, and let the lines run to a
// standstill each time. An assumption that breaks a line gives the cell the other value;
// cells that come out the same under both assumptions are decided as well.
//
// Cells beside decided ones are tried first: their lines are the most constrained, so an
// assumption there reaches a contradiction soonest. Nothing is remembered between calls,
// so a board taken back (an undo) is tried as it is.
class WhatIf {
public:
    struct Finding {
        int x = -1;
        int y = -1;
        // The value assumed that broke brokenLine (Filled or Crossed); 0 when neither broke
        // a line and the cells decided are those both assumptions agree on.
        int broken = 0;
        LinePropagator::Line brokenLine;
    };
    enum class Outcome {
        Nothing, // no cell decides anything
        Decided, // the cell took the value that holds, or the cells both values agree on were decided
        Contradiction, // both values of a cell break a line: no picture fits the board
    };

    // Tries the cells in order and stops at the first that decides something, writing only
    // what What If itself decides (not what the lines would go on to find); with
    // contradictionsFirst, cells whose both values survive are only used once no cell
    // breaks a line (a hint then has one cell and one broken line to tell). The board must
    // be at the lines' standstill.
    Outcome findOne(
        LinePropagator& lines, std::vector<unsigned char>& cells, Finding& finding, bool contradictionsFirst = false);
    // Runs What If and the lines until neither decides anything; returns false on a
    // contradiction. Counts the cells it found in steps.
    bool solve(LinePropagator& lines, std::vector<unsigned char>& cells, int* steps = nullptr);
    // From then on solve stops before its next cell and leaves the board as far as it got
    // (what it decided holds), and findOne finds Nothing; outOfTime() tells that either did.
    // None by default. A new deadline is a new allowance: what ran out before is forgotten.
    void setDeadline(std::chrono::steady_clock::time_point deadline)
    {
        deadline_ = deadline;
        outOfTime_ = false;
    }
    // solve() in slices, for a board whose What If passes outlast a tick: each call goes on
    // from the cell where the last one stopped at the deadline, so that no slice tries again
    // what the one before it tried. Begun with beginSlices(); between slices the board must
    // be left as the last one left it; each slice tries one cell at least. Returns false on a
    // contradiction; finished tells that the board has reached What If's standstill.
    void beginSlices() { sliceAt_ = -1; }
    bool solveSlice(LinePropagator& lines, std::vector<unsigned char>& cells, bool& finished);
    bool outOfTime() const { return outOfTime_; }

private:
    enum class Probe { Nothing, Decided, Contradiction };
    // With toStandstill the board is left where the lines take it after what was decided.
    Probe probe(LinePropagator& lines, std::vector<unsigned char>& cells, int x, int y, bool agreeing,
        bool toStandstill, Finding& finding);
    void order(const LinePropagator& lines, const std::vector<unsigned char>& cells);
    // Notes in outOfTime_ that the deadline has passed.
    bool pastDeadline();

    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
    bool outOfTime_ = false;
    std::vector<int> order_;
    // Where the sliced pass stands in order_ (-1 before its first pass), and whether that
    // pass has decided anything yet.
    int sliceAt_ = -1;
    bool sliceProgress_ = false;
    std::vector<unsigned char> filled_;
    std::vector<unsigned char> crossed_;
};
