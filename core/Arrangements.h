// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// The complete line technique: of all the placements of a line's runs that fit its known
// cells, the cells that are the same in every one are decided; a line no placement fits is
// a contradiction. Unlike the seven edge-anchored techniques it misses nothing a line can
// tell, so it is what the whole-board logic propagates with.
//
// The work is linear in the line's length times its number of runs, on lines of any length
// (and on lines of up to 62 cells, one word holds the whole line, so it is a few machine
// operations per run):
// which prefixes of the line can hold the first j runs and which suffixes the runs from j
// on, found forward and backward over runs and cells, with the filled and crossed cells
// counted as prefix sums so that "no cross under this run" costs one subtraction. Its
// buffers grow to the longest line seen and are then reused, so a puzzle allocates once.
class Arrangements {
public:
    enum class Result { Unchanged, Changed, Contradiction };

    // Cells are 0 (undecided), 1 (filled) or 2 (crossed); runs are in line order (from index
    // 0) and positive, none for an empty line. Decided cells are written into the undecided
    // ones; on a contradiction the cells are left as they were.
    Result solve(unsigned char* cells, int length, const int* runs, int runCount);

    // The technique on a line of CellState codes and its stored clue (far end first, signs
    // and the empty list's 0 ignored), as the seven are applied: only Filled counts as
    // filled and Crossed as crossed, what it decides is written with the given codes over
    // Blank cells, marks are taken as undecided and never written over. Returns whether it
    // wrote a cell; contradiction, if given, tells whether no placement fits.
    bool apply(std::vector<int>& line, const std::vector<int>& storedClue, int fillCode, int crossCode,
        bool* contradiction = nullptr);

private:
    // solve() for lines of at most 62 cells, each position of the line a bit of a word.
    static Result solveInWords(unsigned char* cells, int length, const int* runs, int runCount);
    bool reachable(const unsigned char* cells, int length, const int* runs, int runCount);

    std::vector<int> filledBefore_; // filled cells in [0, i)
    std::vector<int> crossedBefore_;
    // prefix_[j * (length + 1) + t]: cells [0, t) can hold runs 0..j-1 exactly.
    std::vector<unsigned char> prefix_;
    // suffix_[j * (length + 1) + t]: cells [t, length) can hold runs j..runCount-1 exactly.
    std::vector<unsigned char> suffix_;
    // Per cell, how many placements cover it as part of a run, as a difference array.
    std::vector<int> coverStarts_;
    std::vector<unsigned char> canBeEmpty_;
    std::vector<unsigned char> codes_;
    std::vector<int> runs_;
};
