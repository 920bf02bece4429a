// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineMasks.h"

#include "CellState.h"

#include <cstddef>
#include <cstdlib>

bool LineMasks::canHold(const std::vector<int>& line)
{
    if (line.size() > static_cast<size_t>(maxLength))
        return false;
    for (int code : line)
        if (code != Blank && code != Filled && code != Crossed)
            return false;
    return true;
}

LineMasks LineMasks::of(const std::vector<int>& line)
{
    LineMasks masks;
    masks.length = static_cast<int>(line.size());
    for (int i = 0; i < masks.length; ++i) {
        masks.filled |= std::uint64_t(line[i] == Filled) << i;
        masks.crossed |= std::uint64_t(line[i] == Crossed) << i;
    }
    return masks;
}

void LineMasks::writeTo(std::vector<int>& line) const
{
    line.resize(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i)
        line[i] = (filled >> i & 1) ? Filled : (crossed >> i & 1) ? Crossed : Blank;
}

bool LineMasks::matches(const std::vector<int>& clue) const
{
    // The runs are taken from index 0 upward, so they meet the entries from the last one
    // back; the answer is the same as comparing far end first.
    int entry = static_cast<int>(clue.size());
    for (std::uint64_t rest = filled; rest != 0;) {
        const int start = lowest(rest);
        const int run = lowest(~(rest >> start));
        if (--entry < 0 || run != std::abs(clue[entry]))
            return false;
        rest &= ~lowBits(start + run);
    }
    return entry == 0;
}
