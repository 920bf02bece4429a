// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Design.h"
#include "LinePropagator.h"
#include "PuzzleLogic.h"
#include "SolutionSearch.h"
#include "WhatIf.h"

#include <chrono>
#include <vector>

// What logic makes of a design as it is drawn, worked out in slices so that drawing never
// waits for it: whether logic finishes the picture from its givens and with which technique
// at the hardest, and if not, which cells it leaves open, whether another picture fits the
// same clues (and which cells differ in it), and one cell that would help: a cell to fill or
// clear that lets the lines finish a changed picture, or else the cell that, given at the
// start, decides the most. Each start() forgets the last design.
class DesignVerdict {
public:
    enum class Finding {
        Working, // the lines have not stopped yet: nothing is known
        Empty, // no cell is filled: there is no picture yet
        Logic, // logic finishes it
        Searching, // logic stalls on the shaded cells; the search for another picture goes on
        Guess, // one picture fits, but logic stalls on the shaded cells
        Several, // another picture fits: the shaded cells differ in it
        Unknown, // logic stalls and the search ran out of time before it could tell
    };
    struct Suggestion {
        enum class Kind {
            None,
            Toggle, // fill or clear the cell: the lines then finish the changed picture
            Give, // give the cell at the start
        };
        Kind kind = Kind::None;
        int x = -1;
        int y = -1;
    };

    void start(const Design& design);
    // Works until the deadline, or less when there is nothing left to do; returns whether
    // everything is known, the suggestion too.
    bool advance(std::chrono::steady_clock::time_point until);
    bool done() const { return stage_ == Stage::Done; }

    Finding finding() const { return finding_; }
    // For Logic, the hardest technique it needs.
    int hardestTechnique() const { return hardest_; }
    // Row by row, 1 for a cell to shade: those logic leaves open, or those another picture
    // changes.
    const std::vector<unsigned char>& shaded() const { return shaded_; }
    const Suggestion& suggestion() const { return suggestion_; }
    // For Several, the other picture found, flat as shaded(): 1 filled, 2 empty.
    const std::vector<unsigned char>& otherPicture() const { return other_; }
    // Whether the verdict itself is known, though a suggestion may still be sought.
    bool judged() const { return finding_ != Finding::Working && finding_ != Finding::Searching; }

    // How long the search may look for another picture before the verdict is Unknown.
    static constexpr std::chrono::seconds searchTime {10};
    // The most cells tried for each kind of suggestion: a sample spread over the open ones.
    static constexpr int mostTries = 48;

private:
    enum class Stage { Lines, Grade, WhatIf, Search, Toggles, Gives, Done };
    void lines();
    void grade(std::chrono::steady_clock::time_point until);
    void whatIf(std::chrono::steady_clock::time_point until);
    void search(std::chrono::steady_clock::time_point until);
    void stalled();
    void tryToggle();
    void tryGive();
    void finish(Finding finding);
    // The open cells to try, spread over them.
    void sample(const std::vector<unsigned char>& among);
    bool allDecided(const std::vector<unsigned char>& cells) const;
    int decidedCount(const std::vector<unsigned char>& cells) const;

    Design design_;
    ClueSet clues_;
    Stage stage_ = Stage::Done;
    Finding finding_ = Finding::Working;
    int hardest_ = 0;
    std::vector<unsigned char> start_; // the givens, flat
    std::vector<unsigned char> cells_; // as logic leaves them, flat: 0 open, 1 filled, 2 empty
    std::vector<unsigned char> shaded_;
    std::vector<unsigned char> other_;
    Suggestion suggestion_;
    LinePropagator lines_;
    WhatIf whatIf_;
    SolutionSearch search_;
    std::chrono::steady_clock::time_point searchEnds_;
    PuzzleLogic logic_;
    PuzzleGrid board_;
    ClueSet working_; // the clues as the techniques' solve marks them
    // The cells still to try for a suggestion, and the best given so far.
    std::vector<int> tries_;
    std::size_t tried_ = 0;
    int bestGiven_ = -1;
    int bestDecided_ = -1;
    std::vector<unsigned char> trial_;
    LinePropagator trialLines_;
};
