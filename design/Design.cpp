// SPDX-License-Identifier: GPL-3.0-or-later
#include "Design.h"

#include "CellState.h"

#include <algorithm>

Design Design::blank(int columns, int rows)
{
    Design design;
    design.columns = columns;
    design.rows = rows;
    design.cells.assign(std::size_t(columns) * std::size_t(rows), 0);
    return design;
}

Design Design::of(const PuzzleGrid& picture)
{
    Design design = blank(picture.width, picture.height);
    for (int x = 0; x < picture.width; ++x)
        for (int y = 0; y < picture.height; ++y)
            design.set(x, y, picture.cells[std::size_t(x)][std::size_t(y)] == Filled);
    return design;
}

bool Design::given(int x, int y) const
{
    return std::find(givens.begin(), givens.end(), std::pair(x, y)) != givens.end();
}

void Design::setGiven(int x, int y, bool given)
{
    const auto at = std::find(givens.begin(), givens.end(), std::pair(x, y));
    if (given && at == givens.end())
        givens.emplace_back(x, y);
    else if (!given && at != givens.end())
        givens.erase(at);
}

bool Design::empty() const
{
    return std::find(cells.begin(), cells.end(), 1) == cells.end();
}

PuzzleGrid Design::picture() const
{
    PuzzleGrid grid;
    grid.resize(columns, rows);
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            grid.cells[std::size_t(x)][std::size_t(y)] = filled(x, y) ? Filled : Crossed;
    return grid;
}

ClueSet Design::clues() const
{
    ClueSet clues;
    clues.computeFrom(picture());
    return clues;
}

PuzzleGrid Design::startBoard() const
{
    PuzzleGrid board;
    board.resize(columns, rows);
    for (const auto& [x, y] : givens)
        board.cells[std::size_t(x)][std::size_t(y)] = filled(x, y) ? Filled : Crossed;
    return board;
}

bool designSideFits(int cells)
{
    return cells >= Design::smallestSide && cells <= Design::largestSide;
}
