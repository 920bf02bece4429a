// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogicSolver.h"

#include "CellState.h"
#include "ClueSet.h"
#include "MaskTechniques.h"
#include "PuzzleGrid.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

void LogicSolver::setObserver(Observer observer)
{
    observer_ = std::move(observer);
}

bool LogicSolver::solve(PuzzleGrid& board, ClueSet& clues)
{
    record_ = Record();
    const bool listPerLine = clues.columnClues.size() == static_cast<size_t>(board.width)
        && clues.rowClues.size() == static_cast<size_t>(board.height);
    // The masks hold every board the generator and the saved-game loader pass: blank, at
    // most 20 cells a side. Marks, longer lines or a list count unlike the board's take the
    // plain sweeps.
    if (listPerLine && masks_.load(board))
        return solveOnMasks(board, clues);
    return solveCellByCell(board, clues);
}

// These sweeps give exactly the board and the signs that running every technique on every
// line in every sweep gives, many times faster: the line runs they skip could not write.
// - A line whose cells and clue list are as they were when techniques last ran on it and
//   found nothing is skipped: they would find nothing again.
// - So is a line with no blank left that matches its clue: on such a line every technique
//   is silent (they only write blanks, or contradict an inconsistent line). This needs a
//   board without marks: a marked fill counts as filled in the match but not in the
//   techniques, so a full line with marks may match its clue and still be written.
// Signs are recomputed only for lines whose cells changed, and rewritten only when the
// line's match changed; the others would come out the same.
bool LogicSolver::solveOnMasks(PuzzleGrid& board, ClueSet& clues)
{
    columnFlags_.reset(board.width);
    rowFlags_.reset(board.height);
    for (;;) {
        // Signs are refreshed once per sweep, so a line completed during a sweep is crossed
        // out by Complete in the next one.
        refreshSigns(false, clues.columnClues);
        refreshSigns(true, clues.rowClues);
        bool progress = false;
        for (int x = 0; x < board.width; ++x)
            progress |= runOpenLine(false, x, clues.columnClues[x]);
        for (int y = 0; y < board.height; ++y)
            progress |= runOpenLine(true, y, clues.rowClues[y]);
        // This ends, even on clues no picture fits: a productive sweep changes some cell, and
        // a cell only ever goes from blank to filled or crossed, or from filled to crossed
        // (Mercury on a contradiction); nothing writes over a cross.
        if (!progress) {
            masks_.store(board);
            return clues.allSatisfied();
        }
        ++record_.sweeps;
    }
}

void LogicSolver::LineFlags::reset(int count)
{
    open.assign(static_cast<size_t>(count), true);
    touched.assign(static_cast<size_t>(count), true);
    signs.assign(static_cast<size_t>(count), unknownSigns);
}

void LogicSolver::refreshSigns(bool isRow, std::vector<std::vector<int>>& lists)
{
    LineFlags& flags = isRow ? rowFlags_ : columnFlags_;
    for (size_t i = 0; i < lists.size(); ++i) {
        if (!flags.touched[i])
            continue;
        flags.touched[i] = false;
        const bool satisfied = masks_.line(isRow, static_cast<int>(i)).matches(lists[i]);
        const LineFlags::Signs signs = satisfied ? LineFlags::satisfiedSigns : LineFlags::unsatisfiedSigns;
        if (flags.signs[i] == signs)
            continue;
        flags.signs[i] = signs;
        // The same rewrite as ClueSet's. Techniques only see the signs, so a list whose
        // signs did not change needs no new run.
        for (int& value : lists[i]) {
            const int flagged = satisfied ? -std::abs(value) : std::abs(value);
            if (flagged != value) {
                value = flagged;
                flags.open[i] = true;
            }
        }
    }
}

bool LogicSolver::runOpenLine(bool isRow, int index, const std::vector<int>& clue)
{
    LineFlags& own = isRow ? rowFlags_ : columnFlags_;
    LineFlags& crossing = isRow ? columnFlags_ : rowFlags_;
    if (!own.open[index])
        return false;
    LineMasks line = masks_.line(isRow, index);
    const bool settled = line.blanks() == 0 && line.matches(clue);
    if (settled || runAllTechniques(line, clue, isRow, index) == 0) {
        own.open[index] = false;
        return false;
    }
    // Still open: what the techniques wrote may let them write more next sweep.
    own.touched[index] = true;
    for (std::uint64_t changed = masks_.replace(isRow, index, line); changed != 0; changed &= changed - 1) {
        const int i = LineMasks::lowest(changed);
        crossing.open[i] = true;
        crossing.touched[i] = true;
    }
    return true;
}

unsigned LogicSolver::runAllTechniques(LineMasks& line, const std::vector<int>& clue, bool isRow, int index)
{
    unsigned wrote = 0;
    if (!observer_ && techniqueLimit_ == LineSolver::Fill) {
        wrote = MaskTechniques::applyAll(line, clue);
    } else {
        for (int technique = LineSolver::Boxes; technique <= techniqueLimit_; ++technique) {
            const LineMasks before = line;
            if (MaskTechniques::apply(technique, line, clue)) {
                wrote |= 1u << technique;
                if (!observer_)
                    continue;
                before.writeTo(traceBefore_);
                line.writeTo(traceAfter_);
                observer_({technique, isRow, index, clue, traceBefore_, traceAfter_});
            }
        }
    }
    countDeductions(wrote);
    return wrote;
}

void LogicSolver::countDeductions(unsigned techniques)
{
    if (techniques == 0)
        return;
    record_.deductions += __builtin_popcount(techniques);
    const int highest = 31 - __builtin_clz(techniques);
    record_.highestTechnique = std::max(record_.highestTechnique, highest);
}

bool LogicSolver::solveCellByCell(PuzzleGrid& board, ClueSet& clues)
{
    const int columns = std::min(board.width, static_cast<int>(clues.columnClues.size()));
    const int rows = std::min(board.height, static_cast<int>(clues.rowClues.size()));
    // As on the masks, a line whose cells and signs are as they were when the techniques
    // last found nothing on it is skipped: they would find nothing again. Signs are
    // refreshed once a sweep, so a line whose cells changed after it ran in one sweep may
    // only see its new signs in the next.
    columnFlags_.reset(board.width);
    rowFlags_.reset(board.height);
    for (;;) {
        clues.updateSatisfied(board);
        reopenWhereSignsChanged(columnFlags_, clues.columnClues, columns);
        reopenWhereSignsChanged(rowFlags_, clues.rowClues, rows);
        bool progress = false;
        for (int x = 0; x < columns; ++x)
            progress |= sweepCellLine(board, false, x, clues.columnClues[size_t(x)]);
        for (int y = 0; y < rows; ++y)
            progress |= sweepCellLine(board, true, y, clues.rowClues[size_t(y)]);
        if (!progress)
            return clues.allSatisfied();
        ++record_.sweeps;
    }
}

bool LogicSolver::sweepCellLine(PuzzleGrid& board, bool isRow, int index, const std::vector<int>& clue)
{
    LineFlags& own = isRow ? rowFlags_ : columnFlags_;
    LineFlags& crossing = isRow ? columnFlags_ : rowFlags_;
    if (!own.open[size_t(index)])
        return false;
    if (isRow)
        copyRow(board, index);
    else
        scratch_ = board.cells[size_t(index)];
    const bool wrote = runAllTechniques(scratch_, clue, isRow, index) != 0;
    // A technique may rewrite a mark without counting it as a find.
    bool changed = false;
    for (int i = 0; i < int(scratch_.size()); ++i) {
        int& cell = isRow ? board.cells[size_t(i)][size_t(index)] : board.cells[size_t(index)][size_t(i)];
        if (scratch_[size_t(i)] != cell) {
            crossing.open[size_t(i)] = true;
            cell = scratch_[size_t(i)];
            changed = true;
        }
    }
    if (!wrote && !changed)
        own.open[size_t(index)] = false;
    return wrote;
}

void LogicSolver::reopenWhereSignsChanged(LineFlags& flags, const std::vector<std::vector<int>>& lists, int count)
{
    // The rewrite flags a whole list alike, so its first entry tells its signs.
    for (int i = 0; i < count; ++i) {
        const auto signs = lists[size_t(i)].empty() || lists[size_t(i)][0] >= 0 ? LineFlags::unsatisfiedSigns
                                                                                : LineFlags::satisfiedSigns;
        if (flags.signs[size_t(i)] != signs)
            flags.open[size_t(i)] = true;
        flags.signs[size_t(i)] = signs;
    }
}

unsigned LogicSolver::runAllTechniques(std::vector<int>& line, const std::vector<int>& clue, bool isRow, int index)
{
    unsigned wrote = 0;
    for (int technique = LineSolver::Boxes; technique <= techniqueLimit_; ++technique) {
        if (observer_)
            traceBefore_ = line;
        if (lines_.apply(technique, line, clue, Filled, Crossed)) {
            wrote |= 1u << technique;
            if (observer_)
                observer_({technique, isRow, index, clue, traceBefore_, line});
        }
    }
    countDeductions(wrote);
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
