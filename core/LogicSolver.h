// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardMasks.h"
#include "LineSolver.h"

#include <functional>
#include <vector>

class ClueSet;
class PuzzleGrid;

// Applies the line techniques to a whole board.
//
// A puzzle that solve() completes from a blank board has exactly one solution and can be
// played without guessing; that is the only uniqueness test the generator needs. A puzzle
// the techniques cannot start is refused, unique or not. The 2 x 2 diagonal
//     # .
//     . #
// has the list [1] on every line: a single run in a blank two-cell line may lie in either
// cell, no technique decides anything, the first sweep makes no progress and solve()
// returns false, rightly, since the other diagonal fits the same clues.
class LogicSolver {
public:
    // One technique's progress on one line, as reported to a trace observer.
    struct Deduction {
        int technique;
        bool isRow;
        int lineIndex;
        const std::vector<int>& clue;
        const std::vector<int>& before;
        const std::vector<int>& after;
    };
    using Observer = std::function<void(const Deduction&)>;

    // What one solve() did: the highest technique that deduced anything (None when nothing
    // was), the deductions (one technique writing on one line in one sweep) and the sweeps
    // that deduced something.
    struct Record {
        int highestTechnique = LineSolver::None;
        int deductions = 0;
        int sweeps = 0;
    };

    // Sweeps every column, then every row, running all seven techniques on each line with
    // Filled/Crossed, until a sweep changes nothing; returns whether every line then matches
    // its clue (and then the board is the solution). Pass a blank board.
    bool solve(PuzzleGrid& board, ClueSet& clues);
    const Record& lastRecord() const { return record_; }
    // Leaves the techniques numbered above highest out of solve(), to learn what a puzzle
    // needs; Fill, the default, runs all seven. The hint search always uses all seven.
    /* LineSolver::Boxes <= highest <= LineSolver::Fill */
    void setTechniqueLimit(int highest) { techniqueLimit_ = highest; }

    // One deduction for a hint, written as marks: the first line (columns before rows, lower
    // index first) on which a technique (lower number first) finds something. Returns the
    // technique number with isRow and lineIndex set, or 0 with isRow true and lineIndex
    // untouched. The board must hold no marks.
    int findHint(PuzzleGrid& board, ClueSet& clues, bool& isRow, int& lineIndex);

    // Reports every deduction solve() makes, in order; for tracing tools, not for play.
    void setObserver(Observer observer);

private:
    // Per line of one direction: whether techniques may write on it this sweep, whether its
    // cells changed since its clue signs were last computed, and which signs its list has
    // (unknownSigns until solve has written them).
    struct LineFlags {
        enum Signs : char { unknownSigns, unsatisfiedSigns, satisfiedSigns };
        std::vector<char> open;
        std::vector<char> touched;
        std::vector<Signs> signs;
        void reset(int count);
    };

    // The sweeps on a board loaded into masks_, skipping the line runs that cannot write.
    bool solveOnMasks(PuzzleGrid& board, ClueSet& clues);
    // The sweeps cell by cell, for boards the masks cannot hold, skipping the lines that
    // cannot write.
    bool solveCellByCell(PuzzleGrid& board, ClueSet& clues);
    void refreshSigns(bool isRow, std::vector<std::vector<int>>& lists);
    // Runs the techniques on one open line of the plain sweeps and stores what they wrote,
    // reopening the crossing lines whose cells changed; returns whether they found anything.
    bool sweepCellLine(PuzzleGrid& board, bool isRow, int index, const std::vector<int>& clue);
    void reopenWhereSignsChanged(LineFlags& flags, const std::vector<std::vector<int>>& lists, int count);
    // Runs the techniques on an open line; reopens the crossing lines whose cells it changed.
    bool runOpenLine(bool isRow, int index, const std::vector<int>& clue);
    // Both return the techniques that wrote, bit t for technique t, and count them as
    // deductions.
    unsigned runAllTechniques(LineMasks& line, const std::vector<int>& clue, bool isRow, int index);
    unsigned runAllTechniques(std::vector<int>& line, const std::vector<int>& clue, bool isRow, int index);
    void countDeductions(unsigned techniques);
    // The number of the first technique that marks something on scratch_, or 0.
    int firstDeduction(const std::vector<int>& clue);
    void copyRow(const PuzzleGrid& board, int y);
    void storeRow(PuzzleGrid& board, int y) const;

    LineSolver lines_;
    BoardMasks masks_;
    std::vector<int> scratch_;
    std::vector<int> traceBefore_;
    std::vector<int> traceAfter_;
    LineFlags columnFlags_;
    LineFlags rowFlags_;
    Observer observer_;
    Record record_;
    int techniqueLimit_ = LineSolver::Fill;
};
