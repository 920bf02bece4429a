// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ClueSet;

// How hard a puzzle is for the player who solves it line by line with the techniques.
struct Difficulty {
    // The hardest technique the puzzle needs: with the techniques numbered up to it (the
    // order of the hint search) logic solves the puzzle from a blank board, with the ones
    // before it alone it cannot. So "Glue" means Boxes, Complete and Mercury are not enough.
    int hardestTechnique = 0;
    // The work of the solver's run with all seven: deductions (one technique writing on one
    // line in one sweep) and sweeps over the board that deduced something.
    int deductions = 0;
    int sweeps = 0;

    bool operator==(const Difficulty& other) const
    {
        return hardestTechnique == other.hardestTechnique && deductions == other.deductions && sweeps == other.sweeps;
    }
    bool operator!=(const Difficulty& other) const { return !(*this == other); }
};

// Grades the clues of a puzzle (one list per column and per row; signs do not matter) by
// solving them from a blank board. Clues logic cannot solve get the highest technique that
// deduced anything, as no set of techniques is enough for them.
Difficulty gradePuzzle(const ClueSet& clues);

// Whether the seven techniques alone finish the clues from a blank board.
bool sevenTechniquesFinish(const ClueSet& clues);

// The same with every technique: clues the seven finish get gradePuzzle's grade; others get
// Arrangements or What If (whichever the solve past the seven needed last), with the work of
// that solve; clues logic cannot finish get the highest technique that deduced anything.
Difficulty gradeWithEveryTechnique(const ClueSet& clues);
