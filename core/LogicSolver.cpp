#include "LogicSolver.h"

#include "CellState.h"
#include "ClueSet.h"
#include "PuzzleGrid.h"

#include <algorithm>
#include <utility>

void LogicSolver::setObserver(Observer observer)
{
    observer_ = std::move(observer);
}

// The sweeps below give exactly the board that running every technique on every line in
// every sweep gives, several times faster, by skipping line runs that cannot write:
// - a line whose cells and clue signs are as they were when techniques last ran on it and
//   found nothing (they would find nothing again);
// - a line with no blank left that matches its clue (on such a line every technique is
//   silent: they only write blanks, or contradict an inconsistent line).
// Signs are recomputed only for lines whose cells changed; the others keep theirs.
bool LogicSolver::solve(PuzzleGrid& board, ClueSet& clues)
{
    const int columns = std::min(board.width, static_cast<int>(clues.columnClues.size()));
    const int rows = std::min(board.height, static_cast<int>(clues.rowClues.size()));
    columnFlags_.reset(board.width);
    rowFlags_.reset(board.height);
    for (;;) {
        // Signs are refreshed once per sweep, so a line completed during a sweep is crossed
        // out by Complete in the next one.
        refreshSigns(board, clues, columns, rows);
        bool progress = false;
        for (int x = 0; x < columns; ++x)
            progress |= runOpenLine(board.cells[x], clues.columnClues[x], false, x);
        for (int y = 0; y < rows; ++y) {
            if (!rowFlags_.open[y])
                continue;
            copyRow(board, y);
            if (runOpenLine(scratch_, clues.rowClues[y], true, y)) {
                storeRow(board, y);
                progress = true;
            }
        }
        // Every productive sweep turned at least one blank into a decided cell, so this ends.
        if (!progress)
            return clues.allSatisfied();
    }
}

void LogicSolver::LineFlags::reset(int count)
{
    open.assign(static_cast<size_t>(count), true);
    touched.assign(static_cast<size_t>(count), true);
}

void LogicSolver::refreshSigns(const PuzzleGrid& board, ClueSet& clues, int columns, int rows)
{
    auto flagged = [](const std::vector<int>& clue) { return !clue.empty() && clue.front() < 0; };
    for (int x = 0; x < columns; ++x) {
        if (!columnFlags_.touched[x])
            continue;
        const bool wasFlagged = flagged(clues.columnClues[x]);
        clues.updateColumnSatisfied(board, x);
        columnFlags_.touched[x] = false;
        if (flagged(clues.columnClues[x]) != wasFlagged)
            columnFlags_.open[x] = true;
    }
    for (int y = 0; y < rows; ++y) {
        if (!rowFlags_.touched[y])
            continue;
        const bool wasFlagged = flagged(clues.rowClues[y]);
        clues.updateRowSatisfied(board, y);
        rowFlags_.touched[y] = false;
        if (flagged(clues.rowClues[y]) != wasFlagged)
            rowFlags_.open[y] = true;
    }
}

bool LogicSolver::runOpenLine(std::vector<int>& line, const std::vector<int>& clue, bool isRow, int index)
{
    LineFlags& own = isRow ? rowFlags_ : columnFlags_;
    LineFlags& crossing = isRow ? columnFlags_ : rowFlags_;
    if (!own.open[index])
        return false;
    const bool settled = std::find(line.begin(), line.end(), Blank) == line.end() && ClueSet::lineMatches(line, clue);
    before_ = line;
    if (settled || !runAllTechniques(line, clue, isRow, index)) {
        own.open[index] = false;
        return false;
    }
    // Still open: what the techniques wrote may let them write more next sweep.
    own.touched[index] = true;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != before_[i]) {
            crossing.open[i] = true;
            crossing.touched[i] = true;
        }
    }
    return true;
}

bool LogicSolver::runAllTechniques(std::vector<int>& line, const std::vector<int>& clue, bool isRow, int index)
{
    bool wrote = false;
    for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill; ++technique) {
        if (observer_)
            traceBefore_ = line;
        if (lines_.apply(technique, line, clue, Filled, Crossed)) {
            wrote = true;
            if (observer_)
                observer_({technique, isRow, index, clue, traceBefore_, line});
        }
    }
    return wrote;
}

int LogicSolver::findHint(PuzzleGrid& board, ClueSet& clues, bool& isRow, int& lineIndex)
{
    clues.updateSatisfied(board);
    const int columns = std::min(board.width, static_cast<int>(clues.columnClues.size()));
    const int rows = std::min(board.height, static_cast<int>(clues.rowClues.size()));
    isRow = false;
    for (int x = 0; x < columns; ++x) {
        scratch_ = board.cells[x];
        if (const int technique = firstDeduction(clues.columnClues[x])) {
            board.setColumn(x, scratch_);
            lineIndex = x;
            return technique;
        }
    }
    isRow = true;
    for (int y = 0; y < rows; ++y) {
        copyRow(board, y);
        if (const int technique = firstDeduction(clues.rowClues[y])) {
            storeRow(board, y);
            lineIndex = y;
            return technique;
        }
    }
    return LineSolver::None;
}

int LogicSolver::firstDeduction(const std::vector<int>& clue)
{
    // A technique that finds nothing writes nothing, so the next one sees the line as it was.
    for (int technique = LineSolver::Boxes; technique <= LineSolver::Fill; ++technique)
        if (lines_.apply(technique, scratch_, clue, MarkedFilled, MarkedCrossed))
            return technique;
    return LineSolver::None;
}

void LogicSolver::copyRow(const PuzzleGrid& board, int y)
{
    scratch_.resize(static_cast<size_t>(board.width));
    for (int x = 0; x < board.width; ++x)
        scratch_[x] = board.cells[x][y];
}

void LogicSolver::storeRow(PuzzleGrid& board, int y) const
{
    for (int x = 0; x < board.width; ++x)
        board.cells[x][y] = scratch_[x];
}
