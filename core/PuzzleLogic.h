// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Arrangements.h"
#include "LinePropagator.h"
#include "LogicSolver.h"
#include "WhatIf.h"

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

class ClueSet;
class PuzzleGrid;

// The solver and the hint with every technique, on boards of any size, beside LogicSolver
// (which stays the seven techniques' solver of the generated sizes). The seven always run
// first, exactly as LogicSolver runs them; Arrangements is used only where they stall, and
// What If only where every line stalls, so a puzzle the seven finish is solved, traced and
// hinted exactly as before, and every Arrangements or What If step is one the player could
// not have done with less.
class PuzzleLogic {
public:
    // One What If step: the cell assumed, the value that broke a line (Filled or Crossed;
    // 0 when both values agreed on the cells decided) and that line.
    struct Assumption {
        int x = -1;
        int y = -1;
        int broken = 0;
        bool brokenIsRow = false;
        int brokenLine = -1;
    };
    // A deduction as a trace reports it: the line techniques' as LogicSolver reports them;
    // What If's with its assumption, before and after being the whole board's cells, column
    // by column.
    struct Step {
        int technique;
        bool isRow; // the line a line technique wrote on
        int lineIndex;
        const std::vector<int>& clue;
        const std::vector<int>& before;
        const std::vector<int>& after;
        Assumption assumption;
    };
    using Observer = std::function<void(const Step&)>;

    // Solves from the board given (no marks), as far as the techniques take it; returns
    // whether it is then solved. The record counts every technique's deductions.
    bool solve(PuzzleGrid& board, ClueSet& clues);
    const LogicSolver::Record& lastRecord() const { return record_; }
    // solve() a step at a time, for a large board whose solve a tick cannot wait for: begun
    // once, each step is one run of the seven and one technique past them; a step returns
    // nothing while there is more to do, then what solve() returns. The board and the record
    // end as solve() leaves them.
    void beginSolve(const ClueSet& clues);
    std::optional<bool> solveStep(PuzzleGrid& board, ClueSet& clues);
    void setObserver(Observer observer) { observer_ = std::move(observer); }

    // The first deduction of the techniques in their order, written as marks: the seven as
    // LogicSolver::findHint finds them, then Arrangements on the first line (columns before
    // rows) where it finds something, then What If, preferring a cell one of whose values
    // breaks a line. Returns the technique (None when nothing is found): isRow and
    // lineIndex name the line of a line technique, assumption what What If assumed. The
    // board must hold no marks.
    int findHint(PuzzleGrid& board, ClueSet& clues, bool& isRow, int& lineIndex, Assumption& assumption);
    // What If's part of a hint stops after this long: on a large board that needs a guess it
    // would try every cell both ways, for minutes. hintOutOfTime() then tells that the last
    // hint found nothing because it stopped, not because nothing is there.
    static constexpr std::chrono::milliseconds hintTime {2000};
    bool hintOutOfTime() const { return hintOutOfTime_; }

private:
    // One step of the technique past the seven; false when it finds nothing.
    bool arrangementsStep(PuzzleGrid& board, ClueSet& clues, int fillCode, int crossCode, bool& isRow, int& index);
    bool whatIfStep(PuzzleGrid& board, ClueSet& clues, int fillCode, int crossCode, Assumption& assumption);

    LogicSolver seven_;
    Arrangements arrangements_;
    LinePropagator lines_;
    WhatIf whatIf_;
    std::vector<int> scratch_;
    std::vector<int> before_;
    std::vector<unsigned char> cells_;
    Observer observer_;
    LogicSolver::Record record_;
    bool hintOutOfTime_ = false;
};
