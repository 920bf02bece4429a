// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueSet.h"
#include "PuzzleGrid.h"

#include <string>
#include <utility>
#include <vector>

// A picture the player draws to make a puzzle of: its cells, the cells given at the start
// (which the author adds where logic would otherwise stall), and its texts.
struct Design {
    int columns = 0;
    int rows = 0;
    // Row by row, 1 where the picture is filled, 0 where it is empty.
    std::vector<unsigned char> cells;
    // (column, row), in the order they were given; none twice.
    std::vector<std::pair<int, int>> givens;
    // UTF-8, one line each; empty when there is none.
    std::string title, author;
    std::string licence = defaultLicence;

    static constexpr const char* defaultLicence = "CC-BY-SA-4.0";
    static constexpr int smallestSide = 5;
    static constexpr int largestSide = 60;

    // An empty picture of that size.
    static Design blank(int columns, int rows);
    // The filled cells of a picture (any other code is empty), nothing given.
    static Design of(const PuzzleGrid& picture);
    bool filled(int x, int y) const { return cells[index(x, y)] != 0; }
    void set(int x, int y, bool filled) { cells[index(x, y)] = filled ? 1 : 0; }
    bool given(int x, int y) const;
    // Gives a cell, or takes it back.
    void setGiven(int x, int y, bool given);
    bool empty() const;
    // The same size, cells and givens (the texts do not make another puzzle).
    bool samePicture(const Design& other) const
    {
        return columns == other.columns && rows == other.rows && cells == other.cells && givens == other.givens;
    }

    // The picture as a solution: Filled and Crossed.
    PuzzleGrid picture() const;
    // The clues the player will be given.
    ClueSet clues() const;
    // A blank board with the givens entered.
    PuzzleGrid startBoard() const;

private:
    std::size_t index(int x, int y) const { return std::size_t(y) * std::size_t(columns) + std::size_t(x); }
};

// Whether a side is one the designer draws at, 5 to 60 cells.
bool designSideFits(int cells);
