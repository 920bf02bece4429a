// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ClueSet;

// Whether any picture could fit a puzzle's clues at all, judged by counting alone: a clue
// whose runs, with one cell between each two, are longer than its line fits no picture, and
// neither do columns that fill another number of cells than the rows. Clues that pass may
// still fit no picture; solving tells.
struct ClueFit {
    enum class Kind {
        Fits,
        LineTooShort, // the line (isRow, line) needs cellsNeeded cells but has lineLength
        TotalsDiffer, // the columns fill columnCells cells and the rows rowCells
    };
    Kind kind = Kind::Fits;
    bool isRow = false;
    int line = 0;
    long long cellsNeeded = 0;
    int lineLength = 0;
    long long columnCells = 0;
    long long rowCells = 0;

    // The first column, then row, that cannot hold its clue; else whether the totals agree.
    // Lists are in stored form (far end first, perhaps negated).
    static ClueFit of(const ClueSet& clues);
};
