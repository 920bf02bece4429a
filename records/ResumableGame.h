// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueSet.h"
#include "Puzzle.h"
#include "PuzzleGrid.h"
#include "SavedGame.h"

#include <QByteArray>

class LogicSolver;

// A game read back from "auto.sav", checked to be one this game could have written and the
// player can still win, with the solution its clues determine.
struct ResumableGame {
    SavedGame saved;
    // The puzzle as the second form keeps it, judged again from its clues, with its origin
    // and texts (a picture of the gallery is not judged: the gallery it names gives it back);
    // empty for the first form, whose generated puzzle the clues and solution below make.
    Puzzle puzzle;
    ClueSet clues; // the saved lists, signs as solve left them
    PuzzleGrid solution;
    // The saved cells on a board of the saved size.
    PuzzleGrid board;

    // Refuses (returns false, leaving game untouched) whatever SavedGame::decode refuses;
    // in the first form, clues that solve cannot complete, or whose solution gives other
    // clues back (lists that contradict each other); in the second, clues no picture fits; and
    // a Beginner game that holds marks or a cell that disagrees with the solution, since
    // Beginner never lets the player take such a cell back, or of a puzzle without one
    // solution, which Beginner is never played on.
    static bool read(const QByteArray& bytes, LogicSolver& solver, ResumableGame& game);
};
