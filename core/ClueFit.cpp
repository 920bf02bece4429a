// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClueFit.h"

#include "ClueSet.h"

#include <cstdlib>
#include <vector>

namespace {

// The cells a list fills, and the cells it needs with one empty cell between runs.
struct Needs {
    long long filled = 0;
    long long span = 0;
};

Needs needsOf(const std::vector<int>& list)
{
    Needs needs;
    int runs = 0;
    for (int value : list) {
        if (value == 0)
            continue;
        needs.filled += std::abs(static_cast<long long>(value));
        ++runs;
    }
    needs.span = needs.filled + (runs > 0 ? runs - 1 : 0);
    return needs;
}

} // namespace

ClueFit ClueFit::of(const ClueSet& clues)
{
    ClueFit fit;
    const int columns = static_cast<int>(clues.columnClues.size());
    const int rows = static_cast<int>(clues.rowClues.size());
    for (const bool isRow : {false, true}) {
        const auto& lists = isRow ? clues.rowClues : clues.columnClues;
        const int length = isRow ? columns : rows;
        long long& total = isRow ? fit.rowCells : fit.columnCells;
        for (int line = 0; line < static_cast<int>(lists.size()); ++line) {
            const Needs needs = needsOf(lists[static_cast<size_t>(line)]);
            if (needs.span > length) {
                ClueFit tooShort;
                tooShort.kind = Kind::LineTooShort;
                tooShort.isRow = isRow;
                tooShort.line = line;
                tooShort.cellsNeeded = needs.span;
                tooShort.lineLength = length;
                return tooShort;
            }
            total += needs.filled;
        }
    }
    if (fit.columnCells != fit.rowCells)
        fit.kind = Kind::TotalsDiffer;
    return fit;
}
