// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleLogic.h"

#include "CellState.h"
#include "ClueSet.h"
#include "PuzzleGrid.h"
#include "TechniqueTable.h"

#include <algorithm>
#include <cstdlib>

namespace {

void takeCells(const PuzzleGrid& board, std::vector<unsigned char>& cells)
{
    cells.resize(size_t(board.width) * size_t(board.height));
    for (int x = 0; x < board.width; ++x)
        for (int y = 0; y < board.height; ++y) {
            const int code = board.cells[size_t(x)][size_t(y)];
            cells[size_t(x + y * board.width)]
                = code == Filled || code == Crossed ? static_cast<unsigned char>(code) : 0;
        }
}

void flatten(const PuzzleGrid& board, std::vector<int>& cells)
{
    cells.clear();
    for (const auto& column : board.cells)
        cells.insert(cells.end(), column.begin(), column.end());
}

// Whether the filled cells are a picture of the clues. The seven's own test takes an empty
// line's list as met whatever the line holds, which only clues no picture fits can exploit.
bool isPictureOf(const PuzzleGrid& board, const ClueSet& clues)
{
    ClueSet given;
    given.computeFrom(board);
    auto same = [](const std::vector<std::vector<int>>& lists, const std::vector<std::vector<int>>& wanted) {
        if (lists.size() != wanted.size())
            return false;
        for (size_t i = 0; i < lists.size(); ++i) {
            if (lists[i].size() != wanted[i].size())
                return false;
            for (size_t k = 0; k < lists[i].size(); ++k)
                if (lists[i][k] != std::abs(wanted[i][k]))
                    return false;
        }
        return true;
    };
    return same(given.columnClues, clues.columnClues) && same(given.rowClues, clues.rowClues);
}

} // namespace

bool PuzzleLogic::solve(PuzzleGrid& board, ClueSet& clues)
{
    beginSolve(clues);
    for (;;)
        if (const std::optional<bool> solved = solveStep(board, clues))
            return *solved;
}

void PuzzleLogic::beginSolve(const ClueSet& clues)
{
    record_ = LogicSolver::Record();
    if (observer_)
        seven_.setObserver([this](const LogicSolver::Deduction& d) {
            observer_({d.technique, d.isRow, d.lineIndex, d.clue, d.before, d.after, {}});
        });
    else
        seven_.setObserver(nullptr);
    lines_.setClues(clues);
}

std::optional<bool> PuzzleLogic::solveStep(PuzzleGrid& board, ClueSet& clues)
{
    const bool solved = seven_.solve(board, clues);
    const LogicSolver::Record& seven = seven_.lastRecord();
    record_.deductions += seven.deductions;
    record_.sweeps += seven.sweeps;
    record_.highestTechnique = std::max(record_.highestTechnique, seven.highestTechnique);
    if (solved)
        return isPictureOf(board, clues);
    // Each step past the seven counts as a deduction in a sweep of its own, and the seven
    // take over again from what it found.
    bool isRow = false;
    int index = 0;
    Assumption assumption;
    if (arrangementsStep(board, clues, Filled, Crossed, isRow, index))
        record_.highestTechnique = std::max(record_.highestTechnique, arrangementsTechnique);
    else if (whatIfStep(board, clues, Filled, Crossed, assumption))
        record_.highestTechnique = whatIfTechnique;
    else
        return false;
    ++record_.deductions;
    ++record_.sweeps;
    return std::nullopt;
}

bool PuzzleLogic::arrangementsStep(
    PuzzleGrid& board, ClueSet& clues, int fillCode, int crossCode, bool& isRow, int& index)
{
    for (int pass = 0; pass < 2; ++pass) {
        isRow = pass == 1;
        const int count = isRow ? board.height : board.width;
        for (index = 0; index < count; ++index) {
            scratch_ = isRow ? board.row(index) : board.column(index);
            const std::vector<int>& clue = (isRow ? clues.rowClues : clues.columnClues)[size_t(index)];
            if (observer_)
                before_ = scratch_;
            if (!arrangements_.apply(scratch_, clue, fillCode, crossCode))
                continue;
            if (isRow)
                board.setRow(index, scratch_);
            else
                board.setColumn(index, scratch_);
            if (observer_)
                observer_({arrangementsTechnique, isRow, index, clue, before_, scratch_, {}});
            return true;
        }
    }
    return false;
}

bool PuzzleLogic::whatIfStep(PuzzleGrid& board, ClueSet& clues, int fillCode, int crossCode, Assumption& assumption)
{
    takeCells(board, cells_);
    // Every line is at its standstill here (Arrangements found nothing), so this decides
    // nothing and only checks that the board still has a picture.
    if (!lines_.propagate(cells_))
        return false;
    const std::vector<unsigned char> known = cells_;
    WhatIf::Finding finding;
    if (whatIf_.findOne(lines_, cells_, finding, true) != WhatIf::Outcome::Decided)
        return false;
    if (observer_)
        flatten(board, before_);
    for (int x = 0; x < board.width; ++x)
        for (int y = 0; y < board.height; ++y) {
            const size_t at = size_t(x + y * board.width);
            if (known[at] == 0 && cells_[at] != 0)
                board.cells[size_t(x)][size_t(y)] = cells_[at] == Filled ? fillCode : crossCode;
        }
    assumption = {finding.x, finding.y, finding.broken, finding.brokenLine.isRow, finding.brokenLine.index};
    if (observer_) {
        flatten(board, scratch_);
        const std::vector<int>& clue
            = (finding.brokenLine.isRow ? clues.rowClues
                                        : clues.columnClues)[size_t(std::max(0, finding.brokenLine.index))];
        observer_({whatIfTechnique, false, finding.x, clue, before_, scratch_, assumption});
    }
    return true;
}

int PuzzleLogic::findHint(PuzzleGrid& board, ClueSet& clues, bool& isRow, int& lineIndex, Assumption& assumption)
{
    assumption = {};
    hintOutOfTime_ = false;
    if (const int technique = seven_.findHint(board, clues, isRow, lineIndex))
        return technique;
    // The seven's search left every list signed for the board as it is, which is all the
    // steps past them read.
    if (arrangementsStep(board, clues, MarkedFilled, MarkedCrossed, isRow, lineIndex))
        return arrangementsTechnique;
    lines_.setClues(clues);
    whatIf_.setDeadline(std::chrono::steady_clock::now() + hintTime);
    const bool found = whatIfStep(board, clues, MarkedFilled, MarkedCrossed, assumption);
    hintOutOfTime_ = whatIf_.outOfTime();
    whatIf_.setDeadline(std::chrono::steady_clock::time_point::max());
    if (found) {
        isRow = false;
        lineIndex = assumption.x;
        return whatIfTechnique;
    }
    isRow = true;
    return LineSolver::None;
}
