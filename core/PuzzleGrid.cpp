// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleGrid.h"

#include "CellState.h"
#include "PuzzleRandom.h"

#include <algorithm>
#include <cstddef>

void PuzzleGrid::resize(int newWidth, int newHeight)
{
    width = newWidth;
    height = newHeight;
    cells.resize(static_cast<std::size_t>(width));
    for (auto& column : cells)
        column.assign(static_cast<std::size_t>(height), Blank);
}

void PuzzleGrid::randomize(int newWidth, int newHeight, PuzzleRandom& random)
{
    resize(newWidth, newHeight);
    for (auto& column : cells)
        for (auto& cell : column)
            cell = random.below(2) + 1;
}

void PuzzleGrid::copyFrom(const PuzzleGrid& other)
{
    width = other.width;
    height = other.height;
    cells = other.cells;
}

void PuzzleGrid::flipRandomCells(int count, PuzzleRandom& random)
{
    for (int i = 0; i < count; ++i) {
        const int x = random.below(width);
        const int y = random.below(height);
        int& cell = cells[x][y];
        cell = cell == Filled ? Crossed : Filled;
    }
}

void PuzzleGrid::acceptMarks()
{
    replaceMarks(Filled, Crossed);
}

void PuzzleGrid::discardMarks()
{
    replaceMarks(Blank, Blank);
}

void PuzzleGrid::replaceMarks(int filledCode, int crossedCode)
{
    for (auto& column : cells) {
        for (auto& cell : column) {
            if (cell == MarkedFilled)
                cell = filledCode;
            else if (cell == MarkedCrossed)
                cell = crossedCode;
        }
    }
    changed = true;
}

std::vector<int> PuzzleGrid::column(int x) const
{
    return cells[x];
}

std::vector<int> PuzzleGrid::row(int y) const
{
    std::vector<int> line(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        line[x] = cells[x][y];
    return line;
}

void PuzzleGrid::setColumn(int x, const std::vector<int>& line)
{
    if (line.empty() || static_cast<int>(line.size()) != height)
        return;
    cells[x] = line;
}

void PuzzleGrid::setRow(int y, const std::vector<int>& line)
{
    if (line.empty() || static_cast<int>(line.size()) != width)
        return;
    for (int x = 0; x < width; ++x)
        cells[x][y] = line[x];
}

bool PuzzleGrid::isBlank() const
{
    return std::all_of(cells.begin(), cells.end(), [](const std::vector<int>& column) {
        return std::all_of(column.begin(), column.end(), [](int code) { return code == Blank; });
    });
}
