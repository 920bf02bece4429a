// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinePropagator.h"

#include "ClueSet.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::vector<int> runsInLineOrder(const std::vector<int>& stored)
{
    std::vector<int> runs;
    for (auto it = stored.rbegin(); it != stored.rend(); ++it)
        if (*it != 0)
            runs.push_back(std::abs(*it));
    return runs;
}

} // namespace

void LinePropagator::setClues(const ClueSet& clues)
{
    width_ = int(clues.columnClues.size());
    height_ = int(clues.rowClues.size());
    columnRuns_.clear();
    rowRuns_.clear();
    for (const auto& clue : clues.columnClues)
        columnRuns_.push_back(runsInLineOrder(clue));
    for (const auto& clue : clues.rowClues)
        rowRuns_.push_back(runsInLineOrder(clue));
    queuedColumns_.assign(size_t(width_), 0);
    queuedRows_.assign(size_t(height_), 0);
    queue_.reserve(size_t(width_ + height_));
    line_.resize(size_t(std::max(width_, height_)));
    lineSolves_ = 0;
}

void LinePropagator::push(bool isRow, int index)
{
    char& queued = isRow ? queuedRows_[size_t(index)] : queuedColumns_[size_t(index)];
    if (queued)
        return;
    queued = 1;
    queue_.push_back(isRow ? width_ + index : index);
}

bool LinePropagator::propagate(std::vector<unsigned char>& cells, Line* broken)
{
    for (int x = 0; x < width_; ++x)
        push(false, x);
    for (int y = 0; y < height_; ++y)
        push(true, y);
    return run(cells, broken);
}

bool LinePropagator::propagateFrom(std::vector<unsigned char>& cells, int x, int y, Line* broken)
{
    push(false, x);
    push(true, y);
    return run(cells, broken);
}

bool LinePropagator::run(std::vector<unsigned char>& cells, Line* broken)
{
    bool consistent = true;
    while (queueHead_ < queue_.size()) {
        const int entry = queue_[queueHead_++];
        const bool isRow = entry >= width_;
        const int index = isRow ? entry - width_ : entry;
        (isRow ? queuedRows_[size_t(index)] : queuedColumns_[size_t(index)]) = 0;
        if (!consistent)
            continue; // only emptying the queue for the next call
        const int length = isRow ? width_ : height_;
        const int step = isRow ? 1 : width_;
        unsigned char* first = cells.data() + (isRow ? size_t(index) * size_t(width_) : size_t(index));
        for (int i = 0; i < length; ++i)
            line_[size_t(i)] = first[size_t(i) * size_t(step)];
        const std::vector<int>& runs = this->runs(isRow, index);
        ++lineSolves_;
        const Arrangements::Result result = arrangements_.solve(line_.data(), length, runs.data(), int(runs.size()));
        if (result == Arrangements::Result::Contradiction) {
            consistent = false;
            if (broken)
                *broken = {isRow, index};
            continue;
        }
        if (result == Arrangements::Result::Unchanged)
            continue;
        for (int i = 0; i < length; ++i) {
            unsigned char& cell = first[size_t(i) * size_t(step)];
            if (cell == line_[size_t(i)])
                continue;
            cell = line_[size_t(i)];
            push(!isRow, i);
        }
    }
    queue_.clear();
    queueHead_ = 0;
    return consistent;
}
