// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClueSet.h"

#include "CellState.h"
#include "PuzzleGrid.h"
#include "SettledRuns.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Scans the line from its far end so the runs come out in stored order.
template <typename CellAt>
void runsFromFarEnd(int length, std::vector<int>& runs, CellAt cellAt)
{
    runs.clear();
    int run = 0;
    for (int i = length - 1; i >= 0; --i) {
        if (cellAt(i) == Filled) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run > 0)
        runs.push_back(run);
    if (runs.empty())
        runs.push_back(0);
}

// Whether the runs of a line (Filled and MarkedFilled count as filled) are the runs of its
// clue, compared far end first.
template <typename CellAt>
bool runsMatch(int length, const std::vector<int>& clue, CellAt cellAt)
{
    const int entries = static_cast<int>(clue.size());
    int run = 0;
    int k = 0;
    // Position -1 is a virtual empty cell that closes a run touching index 0.
    for (int i = length - 1; i >= -1; --i) {
        const int code = i >= 0 ? cellAt(i) : Blank;
        if (code == Filled || code == MarkedFilled) {
            ++run;
        } else if (run > 0) {
            if (k >= entries || run != std::abs(clue[k]))
                return false;
            ++k;
            run = 0;
        }
    }
    return k == entries;
}

template <typename CellAt>
void markIfSatisfied(int length, std::vector<int>& clue, CellAt cellAt)
{
    const bool satisfied = runsMatch(length, clue, cellAt);
    for (int& value : clue)
        value = satisfied ? -std::abs(value) : std::abs(value);
}

int widestList(const std::vector<std::vector<int>>& lists)
{
    size_t widest = 4;
    for (const auto& list : lists)
        widest = std::max(widest, list.size());
    return static_cast<int>(widest);
}

} // namespace

void ClueSet::computeFrom(const PuzzleGrid& board)
{
    columnClues.resize(static_cast<size_t>(board.width));
    for (int x = 0; x < board.width; ++x) {
        const std::vector<int>& column = board.cells[x];
        runsFromFarEnd(board.height, columnClues[x], [&](int y) { return column[y]; });
    }
    rowClues.resize(static_cast<size_t>(board.height));
    for (int y = 0; y < board.height; ++y)
        runsFromFarEnd(board.width, rowClues[y], [&](int x) { return board.cells[x][y]; });
}

void ClueSet::resizeEmpty(int columns, int rows)
{
    columnClues.assign(static_cast<size_t>(columns), {});
    rowClues.assign(static_cast<size_t>(rows), {});
}

void ClueSet::appendColumnClue(int x, int value)
{
    columnClues[x].push_back(value);
}

void ClueSet::appendRowClue(int y, int value)
{
    rowClues[y].push_back(value);
}

std::vector<int> ClueSet::columnClue(int x) const
{
    return columnClues[x];
}

std::vector<int> ClueSet::rowClue(int y) const
{
    return rowClues[y];
}

int ClueSet::widestColumnClue() const
{
    return widestList(columnClues);
}

int ClueSet::widestRowClue() const
{
    return widestList(rowClues);
}

void ClueSet::updateSatisfied(const PuzzleGrid& board)
{
    // Lists beyond the board (or a board beyond the lists) are left alone rather than read
    // out of range.
    const int columns = std::min(board.width, static_cast<int>(columnClues.size()));
    for (int x = 0; x < columns; ++x)
        updateColumnSatisfied(board, x);
    const int rows = std::min(board.height, static_cast<int>(rowClues.size()));
    for (int y = 0; y < rows; ++y)
        updateRowSatisfied(board, y);
}

void ClueSet::updateColumnSatisfied(const PuzzleGrid& board, int x)
{
    const std::vector<int>& column = board.cells[x];
    markIfSatisfied(board.height, columnClues[x], [&](int y) { return column[y]; });
}

void ClueSet::updateRowSatisfied(const PuzzleGrid& board, int y)
{
    markIfSatisfied(board.width, rowClues[y], [&](int x) { return board.cells[x][y]; });
}

bool ClueSet::lineMatches(const std::vector<int>& line, const std::vector<int>& clue)
{
    return runsMatch(static_cast<int>(line.size()), clue, [&](int i) { return line[i]; });
}

bool ClueSet::allSatisfied() const
{
    for (const auto* lists : {&columnClues, &rowClues})
        for (const auto& list : *lists)
            for (int value : list)
                if (value >= 1)
                    return false;
    return true;
}

void ClueSet::updateSettled(const PuzzleGrid& board)
{
    // A line without its counterpart (lists beyond the board, or the reverse) settles nothing.
    columnSettled.assign(columnClues.size(), 0);
    rowSettled.assign(rowClues.size(), 0);
    const int columns = std::min(board.width, static_cast<int>(columnClues.size()));
    for (int x = 0; x < columns; ++x)
        columnSettled[x] = SettledRuns::numbers(board.cells[x], columnClues[x]);
    const int rows = std::min(board.height, static_cast<int>(rowClues.size()));
    for (int y = 0; y < rows; ++y)
        rowSettled[y] = SettledRuns::numbers(board.row(y), rowClues[y]);
}

bool ClueSet::numberSettled(bool isRow, int line, int k) const
{
    const std::vector<std::uint64_t>& settled = isRow ? rowSettled : columnSettled;
    if (line < 0 || line >= static_cast<int>(settled.size()) || k < 0 || k >= 64)
        return false;
    return (settled[line] >> k) & 1;
}
