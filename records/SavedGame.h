// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <vector>

// A game in progress as kept in "auto.sav": big-endian 32-bit integers with no header:
// mode, columns, rows, time shown, faults; each column's clue list (count, then entries in
// stored order, signs as they stood), then each row's; then x, y, code for every non-blank
// cell, column by column, to the end of the file. The solution is not kept: the clues
// determine it.
struct SavedGame {
    struct Cell {
        int x;
        int y;
        int code;
    };

    int mode = 0;
    int columns = 0;
    int rows = 0;
    int time = 0;
    int faults = 0;
    std::vector<std::vector<int>> columnClues;
    std::vector<std::vector<int>> rowClues;
    std::vector<Cell> cells;

    QByteArray encode() const;

    // Reads bytes written by encode(). Refuses (returns false, leaving game untouched) a file
    // that is cut short before its cells, names an unknown mode or size, holds negative
    // time or faults, a clue list that cannot fit its line, or a cell off the board or with
    // an unknown code, or more cells than the board has. A last cell cut short is dropped.
    static bool decode(const QByteArray& bytes, SavedGame& game);
};
