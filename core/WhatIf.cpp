// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhatIf.h"

#include "CellState.h"

void WhatIf::order(const LinePropagator& lines, const std::vector<unsigned char>& cells)
{
    const int width = lines.width();
    const int height = lines.height();
    auto decided = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && cells[size_t(x + y * width)] != 0;
    };
    order_.clear();
    for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                if (cells[size_t(x + y * width)] != 0)
                    continue;
                const bool beside = decided(x - 1, y) || decided(x + 1, y) || decided(x, y - 1) || decided(x, y + 1);
                if (beside == (pass == 0))
                    order_.push_back(x + y * width);
            }
}

WhatIf::Probe WhatIf::probe(LinePropagator& lines, std::vector<unsigned char>& cells, int x, int y, bool agreeing,
    bool toStandstill, Finding& finding)
{
    const size_t at = size_t(x + y * lines.width());
    LinePropagator::Line brokeFilled;
    LinePropagator::Line brokeCrossed;
    filled_ = cells;
    filled_[at] = Filled;
    const bool filledHolds = lines.propagateFrom(filled_, x, y, &brokeFilled);
    crossed_ = cells;
    crossed_[at] = Crossed;
    const bool crossedHolds = lines.propagateFrom(crossed_, x, y, &brokeCrossed);
    finding = {x, y, 0, {}};
    if (!filledHolds && !crossedHolds)
        return Probe::Contradiction;
    if (!filledHolds || !crossedHolds) {
        finding.broken = filledHolds ? Crossed : Filled;
        finding.brokenLine = filledHolds ? brokeCrossed : brokeFilled;
        // The surviving assumption's standstill is where the lines go from the cell anyway.
        if (toStandstill)
            cells.swap(filledHolds ? filled_ : crossed_);
        else
            cells[at] = static_cast<unsigned char>(filledHolds ? Filled : Crossed);
        return Probe::Decided;
    }
    if (!agreeing)
        return Probe::Nothing;
    bool decided = false;
    for (size_t i = 0; i < cells.size(); ++i)
        if (cells[i] == 0 && filled_[i] != 0 && filled_[i] == crossed_[i]) {
            cells[i] = filled_[i];
            decided = true;
        }
    if (decided && toStandstill && !lines.propagate(cells))
        return Probe::Contradiction;
    return decided ? Probe::Decided : Probe::Nothing;
}

WhatIf::Outcome WhatIf::findOne(
    LinePropagator& lines, std::vector<unsigned char>& cells, Finding& finding, bool contradictionsFirst)
{
    outOfTime_ = false;
    order(lines, cells);
    for (int agreeing = contradictionsFirst ? 0 : 1; agreeing <= 1; ++agreeing)
        for (int at : order_) {
            if (pastDeadline())
                return Outcome::Nothing;
            const Probe found = probe(lines, cells, at % lines.width(), at / lines.width(), agreeing, false, finding);
            if (found == Probe::Contradiction)
                return Outcome::Contradiction;
            if (found == Probe::Decided)
                return Outcome::Decided;
        }
    return Outcome::Nothing;
}

bool WhatIf::pastDeadline()
{
    if (deadline_ != std::chrono::steady_clock::time_point::max() && std::chrono::steady_clock::now() >= deadline_)
        outOfTime_ = true;
    return outOfTime_;
}

bool WhatIf::solve(LinePropagator& lines, std::vector<unsigned char>& cells, int* steps)
{
    if (!lines.propagate(cells))
        return false;
    // A pass goes on past each cell it decides: starting over would try again every cell
    // before it, which just found nothing. Another pass follows one that decided anything.
    for (bool progress = true; progress;) {
        progress = false;
        order(lines, cells);
        for (int at : order_) {
            if (cells[size_t(at)] != 0)
                continue;
            if (pastDeadline())
                return true;
            Finding finding;
            const Probe found = probe(lines, cells, at % lines.width(), at / lines.width(), true, true, finding);
            if (found == Probe::Contradiction)
                return false;
            if (found == Probe::Decided) {
                progress = true;
                if (steps)
                    ++*steps;
            }
        }
    }
    return true;
}

bool WhatIf::solveSlice(LinePropagator& lines, std::vector<unsigned char>& cells, bool& finished)
{
    finished = false;
    outOfTime_ = false;
    if (sliceAt_ < 0) {
        if (!lines.propagate(cells))
            return false;
        order(lines, cells);
        sliceAt_ = 0;
        sliceProgress_ = false;
    }
    // Every slice tries at least one cell, so that slices however thin get to the end.
    bool first = true;
    for (;;) {
        for (; sliceAt_ < int(order_.size()); ++sliceAt_) {
            const int at = order_[size_t(sliceAt_)];
            if (cells[size_t(at)] != 0)
                continue;
            if (!first && pastDeadline())
                return true;
            first = false;
            Finding finding;
            const Probe found = probe(lines, cells, at % lines.width(), at / lines.width(), true, true, finding);
            if (found == Probe::Contradiction) {
                sliceAt_ = -1;
                return false;
            }
            sliceProgress_ = sliceProgress_ || found == Probe::Decided;
        }
        if (!sliceProgress_) {
            finished = true;
            sliceAt_ = -1;
            return true;
        }
        order(lines, cells);
        sliceAt_ = 0;
        sliceProgress_ = false;
    }
}
