// SPDX-License-Identifier: GPL-3.0-or-later
#include "DragPath.h"

#include <algorithm>
#include <cstdlib>

void DragPath::start(int x, int y, int width, int height)
{
    line_ = Line::Undecided;
    first_ = last_ = {x, y};
    width_ = width;
    height_ = height;
    passed_.clear();
}

const std::vector<DragPath::Cell>& DragPath::follow(int x, int y)
{
    passed_.clear();
    if (line_ == Line::Undecided) {
        const int across = std::abs(x - first_.x);
        const int down = std::abs(y - first_.y);
        if (across == 0 && down == 0)
            return passed_;
        line_ = across >= down ? Line::Row : Line::Column;
    }
    const Cell target = line_ == Line::Row ? Cell {std::clamp(x, 0, width_ - 1), first_.y}
                                           : Cell {first_.x, std::clamp(y, 0, height_ - 1)};
    while (!(last_ == target)) {
        last_.x += target.x > last_.x ? 1 : target.x < last_.x ? -1 : 0;
        last_.y += target.y > last_.y ? 1 : target.y < last_.y ? -1 : 0;
        passed_.push_back(last_);
    }
    return passed_;
}
