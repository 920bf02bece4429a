// SPDX-License-Identifier: GPL-3.0-or-later
#include "MoveHistory.h"

#include <utility>

void MoveHistory::record(Step step)
{
    if (step.changes.empty())
        return;
    done_.push_back(std::move(step));
    undone_.clear();
}

const MoveHistory::Step& MoveHistory::undo()
{
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return undone_.back();
}

const MoveHistory::Step& MoveHistory::redo()
{
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return done_.back();
}

void MoveHistory::clear()
{
    done_.clear();
    undone_.clear();
}
