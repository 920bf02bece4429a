// SPDX-License-Identifier: GPL-3.0-or-later
// The hint, marks mode, undo and redo: each one whole step of the history.
#include "Game.h"

#include "CellState.h"
#include "PuzzleLogic.h"
#include "TechniqueTable.h"

Game::Hint Game::hint(PuzzleLogic& logic)
{
    endDrag();
    // Beginner never lets a wrong cell stand, so only the other modes look for one.
    if (mode_ != Beginner) {
        if (const Hint mended = mendFirstWrongCell(); mended.kind == Hint::Kind::Mended)
            return mended;
        if (mode_ == Expert)
            return {Hint::Kind::AllCorrect, 0, false, 0, 0, 0, {}, false};
    }
    Hint deduction;
    snapshot_ = board_.cells;
    reasoned_.copyFrom(board_);
    reasoned_.discardMarks();
    deduction.technique = logic.findHint(reasoned_, clues_, deduction.isRow, deduction.line, deduction.assumption);
    deduction.outOfTime = logic.hintOutOfTime();
    if (deduction.technique) {
        deduction.kind = Hint::Kind::Technique;
        countFault();
        hintPending_ = true;
        // On the board without marks the solver wrote its finds as marks; they stand on the
        // player's board the same way until accepted. What If's may stand anywhere.
        deduced_.clear();
        if (deduction.technique == whatIfTechnique) {
            for (int x = 0; x < board_.width; ++x)
                for (int y = 0; y < board_.height; ++y)
                    takeDeduced(x, y);
        } else {
            const int length = deduction.isRow ? board_.width : board_.height;
            for (int i = 0; i < length; ++i)
                takeDeduced(deduction.isRow ? i : deduction.line, deduction.isRow ? deduction.line : i);
        }
    }
    return deduction;
}

void Game::takeDeduced(int x, int y)
{
    const int found = reasoned_.cells[x][y];
    if (found != MarkedFilled && found != MarkedCrossed)
        return;
    deduced_.push_back(
        {x, y, board_.cells[x][y], found == MarkedFilled ? int(Filled) : int(Crossed), CellChange::Reason::Settled});
    board_.cells[x][y] = found;
    board_.changed = true;
}

const Game::Changes& Game::revealCell()
{
    endDrag();
    changes_.clear();
    if (!knowsSolution())
        return changes_;
    for (int x = 0; x < board_.width; ++x) {
        for (int y = 0; y < board_.height; ++y) {
            const int code = board_.cells[x][y];
            if (code == Filled || code == Crossed)
                continue;
            change(x, y, solution_.cells[x][y], CellChange::Reason::Mended);
            countFault();
            history_.record({changes_, false, false});
            return changes_;
        }
    }
    return changes_;
}

Game::Hint Game::mendFirstWrongCell()
{
    changes_.clear();
    if (!knowsSolution())
        return {};
    for (int x = 0; x < board_.width; ++x) {
        for (int y = 0; y < board_.height; ++y) {
            const int code = board_.cells[x][y];
            if ((code != Filled && code != Crossed) || code == solution_.cells[x][y])
                continue;
            // Normal puts the right cell in its place; Expert, which has no crosses of its
            // own making, only clears it.
            change(x, y, mode_ == Normal ? solution_.cells[x][y] : int(Blank), CellChange::Reason::Mended);
            countFault();
            history_.record({changes_, false, false});
            return {Hint::Kind::Mended, 0, false, 0, x, y, {}};
        }
    }
    return {};
}

const Game::Changes& Game::acceptHint()
{
    changes_.clear();
    if (!hintPending_)
        return changes_;
    hintPending_ = false;
    for (const CellChange& cell : deduced_)
        board_.cells[cell.x][cell.y] = cell.after;
    board_.changed = true;
    collectChangesSinceSnapshot(CellChange::Reason::Settled);
    history_.record({changes_, false, false});
    return changes_;
}

PuzzleGrid Game::boardToKeep() const
{
    PuzzleGrid kept = board_;
    if (hintPending_)
        for (const CellChange& cell : deduced_)
            kept.cells[cell.x][cell.y] = cell.after;
    return kept;
}

void Game::startMarking()
{
    endDrag();
    marking_ = true;
}

const Game::Changes& Game::stopMarking(bool keepMarks)
{
    endDrag();
    snapshot_ = board_.cells;
    if (keepMarks)
        board_.acceptMarks();
    else
        board_.discardMarks();
    marking_ = false;
    collectChangesSinceSnapshot(CellChange::Reason::Settled);
    history_.record({changes_, true, false});
    return changes_;
}

const Game::Changes& Game::undo()
{
    endDrag();
    changes_.clear();
    if (!history_.canUndo())
        return changes_;
    const MoveHistory::Step& step = history_.undo();
    for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it)
        change(it->x, it->y, it->before, CellChange::Reason::Restored);
    marking_ = step.markingBefore;
    return changes_;
}

const Game::Changes& Game::redo()
{
    endDrag();
    changes_.clear();
    if (!history_.canRedo())
        return changes_;
    const MoveHistory::Step& step = history_.redo();
    for (const CellChange& done : step.changes)
        change(done.x, done.y, done.after, CellChange::Reason::Restored);
    marking_ = step.markingAfter;
    return changes_;
}

void Game::collectChangesSinceSnapshot(CellChange::Reason reason)
{
    changes_.clear();
    for (int x = 0; x < board_.width; ++x)
        for (int y = 0; y < board_.height; ++y)
            if (board_.cells[x][y] != snapshot_[x][y])
                changes_.push_back({x, y, snapshot_[x][y], board_.cells[x][y], reason});
}

const Game::Changes& Game::restart()
{
    releaseAll();
    changes_.clear();
    for (int x = 0; x < board_.width; ++x)
        for (int y = 0; y < board_.height; ++y)
            if (board_.cells[x][y] != Blank && !given(x, y))
                change(x, y, Blank, CellChange::Reason::Restarted);
    marking_ = false;
    hintPending_ = false;
    history_.clear();
    return changes_;
}
