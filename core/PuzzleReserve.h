// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PuzzleMaker.h"

#include <chrono>

// The next puzzle, made ahead in the spare time of play so that New Game can start it at
// once instead of making the player wait.
//
// It keeps one puzzle of one size and band. Its own maker makes it, with boards of its own
// that are allocated once like the game's, by the same steps as the game's; so the game in
// progress is never touched. Nothing of it is saved.
class PuzzleReserve {
public:
    // How much of a 10 ms tick of play the reserve may take.
    static constexpr std::chrono::milliseconds tickBudget {2};
    // Steps are begun only this long before the budget ends, so that the step under way
    // mostly ends within it: a solver test of a 20x15 puzzle takes about 40 us.
    static constexpr std::chrono::microseconds stepAllowance {100};

    // The size and band to make (band -1 for none; pictures for the sizes PictureGenerator
    // makes); another aim than before drops the puzzle made or begun.
    void aimAt(int columns, int rows, int band = -1, bool pictures = false);
    // Makes steps toward a puzzle of the aim within budget. Does nothing once a puzzle is
    // ready, before the first aimAt, or when the budget is too short for a step.
    void work(std::chrono::nanoseconds budget);
    bool readyFor(int columns, int rows, int band = -1) const
    {
        return ready_ && columns == columns_ && rows == rows_ && band == band_;
    }
    // Hands over a finished puzzle of that size and band by trading makers with the one
    // given, which then holds it as it finished (solution, clues, grade and seed), and begins
    // the next one at the next work. Returns false, changing nothing, when none is ready.
    bool take(int columns, int rows, int band, PuzzleMaker& maker);
    // Forgets the puzzle made or begun; the next work begins a new one.
    void drop();
    // All the time work() has spent making puzzles.
    std::chrono::nanoseconds busyTime() const { return busy_; }

private:
    PuzzleMaker maker_;
    int columns_ = 0;
    int rows_ = 0;
    int band_ = -1;
    bool pictures_ = false;
    bool begun_ = false;
    bool ready_ = false;
    std::chrono::nanoseconds busy_ {0};
};
