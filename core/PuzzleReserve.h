// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueSet.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"

#include <chrono>

// The next puzzle, made ahead in the spare time of play so that New Game can start it at
// once instead of making the player wait.
//
// It keeps one puzzle of one size. Its own generator makes it, with boards of its own that
// are allocated once like the game's, by the same steps and the same acceptance by solve;
// so the game in progress is never touched. Nothing of it is saved.
class PuzzleReserve {
public:
    // How much of a 10 ms tick of play the reserve may take.
    static constexpr std::chrono::milliseconds tickBudget {2};
    // Steps are begun only this long before the budget ends, so that the step under way
    // ends within it: a solver test of a 20x15 puzzle, the longest step, takes about 40 us.
    static constexpr std::chrono::microseconds stepAllowance {100};

    // The size to make; another size than before drops the puzzle made or begun.
    void aimAt(int columns, int rows);
    // Makes steps toward a puzzle of the aimed size within budget. Does nothing once a
    // puzzle is ready, before the first aimAt, or when the budget is too short for a step.
    void work(std::chrono::nanoseconds budget);
    bool readyFor(int columns, int rows) const { return ready_ && columns == columns_ && rows == rows_; }
    // Hands over a finished puzzle of that size (solution and clue lists, as the generator
    // leaves them on acceptance, and its seed) and begins the next one at the next work.
    // Returns false, changing nothing, when no puzzle of that size is ready.
    bool take(int columns, int rows, PuzzleGrid& solution, ClueSet& clues, std::uint32_t& seed);
    // Forgets the puzzle made or begun; the next work begins a new one.
    void drop();
    // All the time work() has spent making puzzles.
    std::chrono::nanoseconds busyTime() const { return busy_; }

private:
    PuzzleGenerator generator_;
    PuzzleGrid board_;
    PuzzleGrid solution_;
    ClueSet clues_;
    int columns_ = 0;
    int rows_ = 0;
    bool begun_ = false;
    bool ready_ = false;
    std::chrono::nanoseconds busy_ {0};
};
