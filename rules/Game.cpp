// SPDX-License-Identifier: GPL-3.0-or-later
// Presses and drags: which cells a move enters, erases or faults, by the rules of the mode.
#include "Game.h"

#include "CellState.h"

#include <limits>

void Game::setUp(int mode, const PuzzleGrid& board, const PuzzleGrid& solution, const ClueSet& clues, int faults)
{
    mode_ = mode;
    board_.copyFrom(board);
    solution_.copyFrom(solution);
    clues_.columnClues = clues.columnClues;
    clues_.rowClues = clues.rowClues;
    faults_ = faults;
    givens_.clear();
    board_.changed = false;
    beginPlay();
}

void Game::setGivens(const std::vector<std::pair<int, int>>& cells)
{
    givens_.clear();
    if (cells.empty() || !knowsSolution())
        return;
    givens_.assign(std::size_t(board_.width) * std::size_t(board_.height), false);
    for (const auto& [x, y] : cells) {
        if (!onBoard(x, y))
            continue;
        givens_[std::size_t(x) * std::size_t(board_.height) + std::size_t(y)] = true;
        board_.cells[std::size_t(x)][std::size_t(y)] = solution_.cells[std::size_t(x)][std::size_t(y)];
    }
    board_.changed = true;
}

void Game::judgeAgainst(const PuzzleGrid& solution)
{
    solution_.copyFrom(solution);
}

void Game::retestClues()
{
    board_.changed = false;
    clues_.updateSatisfied(board_);
    clues_.updateSettled(board_);
}

void Game::beginPlay()
{
    leftHeld_ = rightHeld_ = false;
    drag_.over = true;
    drag_.step.changes.clear();
    marking_ = false;
    hintPending_ = false;
    history_.clear();
}

const Game::Changes& Game::press(Button button, int x, int y)
{
    changes_.clear();
    if (!leftHeld_ && !rightHeld_) {
        drag_.reachedBoard = false;
        drag_.over = false;
    }
    (button == Button::Left ? leftHeld_ : rightHeld_) = true;
    follow(x, y);
    return changes_;
}

const Game::Changes& Game::moveTo(int x, int y)
{
    changes_.clear();
    if (leftHeld_ || rightHeld_)
        follow(x, y);
    return changes_;
}

void Game::release(Button button)
{
    (button == Button::Left ? leftHeld_ : rightHeld_) = false;
    if (!leftHeld_ && !rightHeld_)
        endDrag();
}

void Game::releaseAll()
{
    leftHeld_ = rightHeld_ = false;
    endDrag();
}

bool Game::canUndo() const
{
    return history_.canUndo() || !drag_.step.changes.empty();
}

bool Game::canRedo() const
{
    return history_.canRedo();
}

bool Game::onBoard(int x, int y) const
{
    return x >= 0 && x < board_.width && y >= 0 && y < board_.height;
}

// A press off the board starts nothing until the pointer reaches a cell with the button
// still held; that cell is then the drag's first.
void Game::follow(int x, int y)
{
    if (drag_.over)
        return;
    if (!drag_.reachedBoard) {
        if (!onBoard(x, y))
            return;
        drag_.reachedBoard = true;
        // A press on a given cell does nothing, and drags nothing along.
        if (given(x, y)) {
            drag_.over = true;
            return;
        }
        drag_.erases = board_.cells[x][y] != Blank;
        drag_.path.start(x, y, board_.width, board_.height);
        applyMove(x, y);
    } else {
        for (const DragPath::Cell& cell : drag_.path.follow(x, y)) {
            if (drag_.over)
                break;
            applyMove(cell.x, cell.y);
        }
    }
    drag_.step.changes.insert(drag_.step.changes.end(), changes_.begin(), changes_.end());
}

void Game::applyMove(int x, int y)
{
    if (given(x, y))
        return;
    const int code = board_.cells[x][y];
    if (drag_.erases) {
        // Nothing is ever erased in Beginner: every cell there is already right.
        if (code != Blank && mode_ != Beginner)
            change(x, y, Blank, CellChange::Reason::Erased);
        return;
    }
    if (code != Blank)
        return;
    // Expert has no crosses.
    const bool fill = leftHeld_;
    if (!fill && mode_ == Expert)
        return;
    // Beginner puts a wrong move right at once and counts it; the rest of the press then
    // does nothing, so one drag makes at most one fault.
    if (mode_ == Beginner && solution_.cells[x][y] != (fill ? Filled : Crossed)) {
        change(x, y, solution_.cells[x][y], CellChange::Reason::Fault);
        countFault();
        drag_.over = true;
        return;
    }
    const int entered = fill ? (marking_ ? MarkedFilled : Filled) : (marking_ ? MarkedCrossed : Crossed);
    change(x, y, entered, CellChange::Reason::Entered);
}

void Game::countFault()
{
    if (faults_ < std::numeric_limits<int>::max())
        ++faults_;
}

void Game::change(int x, int y, int code, CellChange::Reason reason)
{
    changes_.push_back({x, y, board_.cells[x][y], code, reason});
    board_.cells[x][y] = code;
    board_.changed = true;
}

void Game::endDrag()
{
    history_.record({std::move(drag_.step.changes), marking_, marking_});
    drag_.step.changes.clear();
    drag_.over = true;
}
