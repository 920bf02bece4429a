// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignVerdict.h"

#include "TechniqueTable.h"

#include <algorithm>

namespace {

using Clock = std::chrono::steady_clock;

} // namespace

void DesignVerdict::start(const Design& design)
{
    design_ = design;
    clues_ = design.clues();
    const std::size_t cells = design.cells.size();
    shaded_.assign(cells, 0);
    suggestion_ = {};
    hardest_ = 0;
    other_.clear();
    if (design.empty()) {
        finish(Finding::Empty);
        return;
    }
    start_.assign(cells, 0);
    for (const auto& [x, y] : design.givens)
        start_[std::size_t(y * design.columns + x)] = design.filled(x, y) ? 1 : 2;
    lines_.setClues(clues_);
    finding_ = Finding::Working;
    stage_ = Stage::Lines;
}

bool DesignVerdict::advance(Clock::time_point until)
{
    do {
        switch (stage_) {
        case Stage::Lines: lines(); break;
        case Stage::Grade: grade(until); break;
        case Stage::WhatIf: whatIf(until); break;
        case Stage::Search: search(until); break;
        case Stage::Toggles: tryToggle(); break;
        case Stage::Gives: tryGive(); break;
        case Stage::Done: break;
        }
    } while (stage_ != Stage::Done && Clock::now() < until);
    return done();
}

void DesignVerdict::lines()
{
    cells_ = start_;
    // The picture fits its clues, so no line can break.
    lines_.propagate(cells_);
    if (allDecided(cells_)) {
        // The lines finish it; the techniques' own solve tells the hardest one it takes.
        board_ = design_.startBoard();
        working_ = clues_;
        logic_.beginSolve(working_);
        stage_ = Stage::Grade;
        return;
    }
    // The first answer: what the lines leave open, while What If looks further.
    for (std::size_t i = 0; i < cells_.size(); ++i)
        shaded_[i] = cells_[i] == 0;
    finding_ = Finding::Searching;
    whatIf_.beginSlices();
    stage_ = Stage::WhatIf;
}

void DesignVerdict::grade(Clock::time_point until)
{
    do
        if (logic_.solveStep(board_, working_)) {
            hardest_ = logic_.lastRecord().highestTechnique;
            finish(Finding::Logic);
            return;
        }
    while (Clock::now() < until);
}

void DesignVerdict::whatIf(Clock::time_point until)
{
    whatIf_.setDeadline(until);
    bool finished = false;
    if (!whatIf_.solveSlice(lines_, cells_, finished)) {
        finish(Finding::Unknown);
        return;
    }
    for (std::size_t i = 0; i < cells_.size(); ++i)
        shaded_[i] = cells_[i] == 0;
    if (!finished)
        return;
    if (allDecided(cells_)) {
        hardest_ = whatIfTechnique;
        finish(Finding::Logic);
        return;
    }
    search_.start(lines_, cells_);
    searchEnds_ = Clock::now() + searchTime;
    stage_ = Stage::Search;
}

void DesignVerdict::search(Clock::time_point until)
{
    search_.setDeadline(until);
    while (!search_.advance(1) && Clock::now() < until) { }
    const auto& found = search_.solutions();
    if (found.size() >= 2) {
        // Of the pictures found, one that is not the author's shows what can be swapped.
        const auto other = std::find_if(found.begin(), found.end(), [this](const std::vector<unsigned char>& picture) {
            for (std::size_t i = 0; i < picture.size(); ++i)
                if ((picture[i] == 1) != (design_.cells[i] != 0))
                    return true;
            return false;
        });
        other_ = *other;
        for (std::size_t i = 0; i < shaded_.size(); ++i)
            shaded_[i] = (other_[i] == 1) != (design_.cells[i] != 0);
        finish(Finding::Several);
    } else if (search_.finished()) {
        finish(Finding::Guess);
    } else if (Clock::now() >= searchEnds_) {
        finish(Finding::Unknown);
    }
}

void DesignVerdict::finish(Finding finding)
{
    finding_ = finding;
    if (finding == Finding::Logic || finding == Finding::Empty) {
        std::fill(shaded_.begin(), shaded_.end(), 0);
        stage_ = Stage::Done;
        return;
    }
    // A cell of the picture changed is most likely to help among those that can be swapped
    // or are left open.
    sample(shaded_);
    stage_ = Stage::Toggles;
}

void DesignVerdict::sample(const std::vector<unsigned char>& among)
{
    std::vector<int> open;
    for (std::size_t i = 0; i < among.size(); ++i)
        if (among[i])
            open.push_back(int(i));
    tries_.clear();
    const std::size_t count = std::min<std::size_t>(open.size(), mostTries);
    for (std::size_t k = 0; k < count; ++k)
        tries_.push_back(open[k * open.size() / count]);
    tried_ = 0;
}

void DesignVerdict::tryToggle()
{
    if (tried_ == tries_.size()) {
        // No one cell changed lets the lines finish: a given will help instead.
        std::vector<unsigned char> open(cells_.size());
        for (std::size_t i = 0; i < cells_.size(); ++i)
            open[i] = cells_[i] == 0;
        sample(open);
        bestGiven_ = -1;
        bestDecided_ = -1;
        stage_ = Stage::Gives;
        return;
    }
    const int at = tries_[tried_++];
    const int x = at % design_.columns;
    const int y = at / design_.columns;
    Design changed = design_;
    changed.set(x, y, !design_.filled(x, y));
    if (changed.empty())
        return;
    trialLines_.setClues(changed.clues());
    trial_.assign(changed.cells.size(), 0);
    for (const auto& [gx, gy] : changed.givens)
        trial_[std::size_t(gy * changed.columns + gx)] = changed.filled(gx, gy) ? 1 : 2;
    if (trialLines_.propagate(trial_) && allDecided(trial_)) {
        suggestion_ = {Suggestion::Kind::Toggle, x, y};
        stage_ = Stage::Done;
    }
}

void DesignVerdict::tryGive()
{
    if (tried_ == tries_.size()) {
        if (bestGiven_ >= 0)
            suggestion_ = {Suggestion::Kind::Give, bestGiven_ % design_.columns, bestGiven_ / design_.columns};
        stage_ = Stage::Done;
        return;
    }
    const int at = tries_[tried_++];
    const int x = at % design_.columns;
    const int y = at / design_.columns;
    trial_ = cells_;
    trial_[std::size_t(at)] = design_.filled(x, y) ? 1 : 2;
    lines_.propagateFrom(trial_, x, y);
    if (const int decided = decidedCount(trial_); decided > bestDecided_) {
        bestDecided_ = decided;
        bestGiven_ = at;
    }
    // None can do better than finish it.
    if (allDecided(trial_))
        tried_ = tries_.size();
}

bool DesignVerdict::allDecided(const std::vector<unsigned char>& cells) const
{
    return std::find(cells.begin(), cells.end(), 0) == cells.end();
}

int DesignVerdict::decidedCount(const std::vector<unsigned char>& cells) const
{
    return int(cells.size()) - int(std::count(cells.begin(), cells.end(), 0));
}
