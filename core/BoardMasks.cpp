// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardMasks.h"

#include "PuzzleGrid.h"

#include <cstddef>

namespace {

void setBit(std::uint64_t& bits, int i, bool on)
{
    const std::uint64_t bit = std::uint64_t(1) << i;
    bits = on ? bits | bit : bits & ~bit;
}

} // namespace

bool BoardMasks::load(const PuzzleGrid& board)
{
    const int width = board.width;
    const int height = board.height;
    if (width < 1 || width > LineMasks::maxLength || height < 1 || height > LineMasks::maxLength
        || board.cells.size() != static_cast<size_t>(width))
        return false;
    columns_.resize(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
        const std::vector<int>& column = board.cells[x];
        if (column.size() != static_cast<size_t>(height) || !LineMasks::canHold(column))
            return false;
        columns_[x] = LineMasks::of(column);
    }
    rows_.assign(static_cast<size_t>(height), LineMasks());
    for (LineMasks& row : rows_)
        row.length = width;
    for (int x = 0; x < width; ++x) {
        for (std::uint64_t bits = columns_[x].filled; bits != 0; bits &= bits - 1)
            rows_[LineMasks::lowest(bits)].filled |= std::uint64_t(1) << x;
        for (std::uint64_t bits = columns_[x].crossed; bits != 0; bits &= bits - 1)
            rows_[LineMasks::lowest(bits)].crossed |= std::uint64_t(1) << x;
    }
    return true;
}

void BoardMasks::store(PuzzleGrid& board) const
{
    for (size_t x = 0; x < columns_.size(); ++x)
        columns_[x].writeTo(board.cells[x]);
}

std::uint64_t BoardMasks::replace(bool isRow, int index, const LineMasks& line)
{
    LineMasks& own = isRow ? rows_[index] : columns_[index];
    std::vector<LineMasks>& crossing = isRow ? columns_ : rows_;
    const std::uint64_t changed = (own.filled ^ line.filled) | (own.crossed ^ line.crossed);
    own = line;
    for (std::uint64_t bits = changed; bits != 0; bits &= bits - 1) {
        const int i = LineMasks::lowest(bits);
        setBit(crossing[i].filled, index, (line.filled >> i) & 1);
        setBit(crossing[i].crossed, index, (line.crossed >> i) & 1);
    }
    return changed;
}
