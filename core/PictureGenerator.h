// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueSet.h"
#include "Difficulty.h"
#include "LinePropagator.h"
#include "LogicSolver.h"
#include "PuzzleGrid.h"
#include "PuzzleLogic.h"
#include "PuzzleRandom.h"

#include <chrono>
#include <cstdint>
#include <vector>

// Makes the puzzles of the large sizes, apart from the six sizes' hill climb, aimed at a
// difficulty band: a picture of blobs (random noise, smoothed, filled where it is above the
// median, no line all one colour), tested by the lines, then graded as
// gradeWithEveryTechnique grades it (where the lines stall, by every technique, which must
// finish it) and kept when the grade falls in the band. Large boards want pictures with shapes: noise alone has so many
// short runs that the lines almost never finish it, while smoothed noise is finished about one time in ten at 30x30 and
// one candidate takes well under a millisecond.
//
// The work goes in steps of one solve each (past the seven, of one technique each), so that
// a tick can give it a few milliseconds at a time. A seed and a band fix the puzzle: every random number comes from its
// own source, drawn in a fixed order.
class PictureGenerator {
public:
    // band is an index into difficultyBands(), or -1 for a puzzle of any band the lines
    // finish.
    void start(int columns, int rows, std::uint32_t seed, int band);
    // Takes steps until a puzzle is accepted (true) or the budget is spent (false); a step
    // begun is finished, so it may overrun by one step.
    bool generateFor(std::chrono::nanoseconds budget);
    // The puzzle accepted: its picture (Filled and Crossed), its clues and its grade.
    const PuzzleGrid& solution() const { return solution_; }
    const ClueSet& clues() const { return clues_; }
    const Difficulty& difficulty() const { return difficulty_; }
    // The pictures drawn since start, the accepted one included.
    int candidates() const { return candidates_; }

private:
    enum class Stage {
        Draw, // a new picture, and the lines on it
        Seven, // the seven techniques from a blank board
        Limits, // the seven with fewer techniques, to find the fewest that finish it
        Everything, // every technique from a blank board, for the grade past the seven, a
                    // technique past them a step
    };
    // True on the step that accepts the puzzle.
    bool step();
    void drawPicture();
    // Makes sure no line is all filled or all empty; such a line tells the player nothing
    // they have to work out.
    void breakUniformLines();
    void flip(int x, int y);
    void testLines();
    bool solvesFromBlank(LogicSolver& solver);
    // Accepts the grade in the band; otherwise the next step draws again.
    bool judge();

    int columns_ = 0;
    int rows_ = 0;
    int band_ = 0;
    int smoothing_ = 1;
    bool mirrored_ = false;
    bool needsWhatIf_ = false;
    Stage stage_ = Stage::Draw;
    int limit_ = 0;
    bool everythingBegun_ = false;
    PuzzleRandom random_;
    int candidates_ = 0;
    std::vector<int> noise_;
    // Sums of noise over the rectangle from the top-left corner, (drawn + 1) x (rows + 1).
    std::vector<long> sums_;
    std::vector<long> smooth_;
    std::vector<long> sorted_;
    PuzzleGrid solution_;
    PuzzleGrid board_;
    ClueSet clues_;
    ClueSet working_;
    Difficulty difficulty_;
    LinePropagator lines_;
    std::vector<unsigned char> cells_;
    LogicSolver seven_;
    PuzzleLogic everything_;
};
