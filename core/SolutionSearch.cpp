// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolutionSearch.h"

#include "CellState.h"

void SolutionSearch::start(LinePropagator& lines, const std::vector<unsigned char>& cells)
{
    lines_ = &lines;
    depth_ = 0;
    solutions_.clear();
    guesses_ = 0;
    finished_ = false;
    enter(cells);
    finished_ = depth_ == 0 || solutions_.size() >= 2;
}

int SolutionSearch::pickCell(const std::vector<unsigned char>& cells) const
{
    const int width = lines_->width();
    const int height = lines_->height();
    int best = -1;
    int fewest = width + height + 1;
    for (const bool isRow : {true, false}) {
        const int lineCount = isRow ? height : width;
        const int length = isRow ? width : height;
        for (int line = 0; line < lineCount; ++line) {
            int undecided = 0;
            int first = -1;
            for (int i = 0; i < length; ++i) {
                const int at = isRow ? i + line * width : line + i * width;
                if (cells[size_t(at)] == 0 && undecided++ == 0)
                    first = at;
            }
            if (undecided > 0 && undecided < fewest) {
                fewest = undecided;
                best = first;
            }
        }
    }
    return best;
}

void SolutionSearch::enter(const std::vector<unsigned char>& cells)
{
    const int at = pickCell(cells);
    if (at < 0) {
        solutions_.push_back(cells);
        return;
    }
    if (depth_ == stack_.size())
        stack_.emplace_back();
    Frame& frame = stack_[depth_++];
    frame.cells = cells;
    frame.at = at;
    frame.tried = 0;
}

bool SolutionSearch::advance(long guesses)
{
    for (long made = 0; !finished_ && made < guesses; ++made) {
        Frame& frame = stack_[depth_ - 1];
        if (frame.tried == 2) {
            --depth_;
            finished_ = depth_ == 0;
            continue;
        }
        const int value = frame.tried++ == 0 ? Filled : Crossed;
        child_ = frame.cells;
        child_[size_t(frame.at)] = static_cast<unsigned char>(value);
        ++guesses_;
        const int width = lines_->width();
        if (lines_->propagateFrom(child_, frame.at % width, frame.at / width) && whatIf_.solve(*lines_, child_))
            enter(child_);
        finished_ = solutions_.size() >= 2 || depth_ == 0;
    }
    return finished_;
}
