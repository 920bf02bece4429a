// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignEdits.h"

#include <algorithm>

namespace DesignEdits {

void clear(Design& design)
{
    std::fill(design.cells.begin(), design.cells.end(), 0);
    design.givens.clear();
}

void invert(Design& design)
{
    for (unsigned char& cell : design.cells)
        cell = cell ? 0 : 1;
}

namespace {

// Moves every cell and given by where(x, y).
template <typename Where>
void move(Design& design, Where where)
{
    const Design before = design;
    for (int x = 0; x < design.columns; ++x)
        for (int y = 0; y < design.rows; ++y) {
            const auto [toX, toY] = where(x, y);
            design.set(toX, toY, before.filled(x, y));
        }
    for (auto& given : design.givens)
        given = where(given.first, given.second);
}

int wrap(int value, int size)
{
    return ((value % size) + size) % size;
}

} // namespace

void shift(Design& design, int columns, int rows)
{
    move(design, [&design, columns, rows](int x, int y) {
        return std::pair(wrap(x + columns, design.columns), wrap(y + rows, design.rows));
    });
}

void mirror(Design& design, bool acrossColumns)
{
    move(design, [&design, acrossColumns](int x, int y) {
        return acrossColumns ? std::pair(design.columns - 1 - x, y) : std::pair(x, design.rows - 1 - y);
    });
}

} // namespace DesignEdits

void DesignStroke::start(const Design& before, int x, int y, bool fill, bool rectangle)
{
    before_ = before;
    startX_ = x;
    startY_ = y;
    fill_ = fill;
    rectangle_ = rectangle;
    active_ = true;
    path_.start(x, y, before.columns, before.rows);
}

void DesignStroke::follow(Design& design, int x, int y)
{
    if (!active_)
        return;
    if (!rectangle_) {
        paint(design, startX_, startY_);
        for (const DragPath::Cell& cell : path_.follow(x, y))
            paint(design, cell.x, cell.y);
        return;
    }
    x = std::clamp(x, 0, design.columns - 1);
    y = std::clamp(y, 0, design.rows - 1);
    design.cells = before_.cells;
    for (int column = std::min(x, startX_); column <= std::max(x, startX_); ++column)
        for (int row = std::min(y, startY_); row <= std::max(y, startY_); ++row)
            paint(design, column, row);
}

void DesignStroke::paint(Design& design, int x, int y) const
{
    design.set(x, y, fill_);
}
