// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueSet.h"
#include "Difficulty.h"
#include "PuzzleCode.h"
#include "PuzzleGrid.h"
#include "PuzzleVerdict.h"

#include <string>
#include <utility>
#include <vector>

// Where a puzzle comes from, which names it when it comes back.
struct PuzzleOrigin {
    enum class Kind {
        Generated, // made from its code
        File, // opened from a file the player owns
        Gallery, // a picture of the game's gallery, or a design of the player's in it
    };
    Kind kind = Kind::Generated;
    // For a generated puzzle, the code that makes it again.
    PuzzleCode code;
    // For a file, its path; for a picture, its id.
    std::string place;
};

// One puzzle as the game plays it, whatever its size and wherever it comes from: its clues,
// what is known of its solutions, how hard it is and its texts.
struct Puzzle {
    ClueSet clues;
    // The pictures known to fit: one for a puzzle with one solution, two when it has several
    // (the search stops at the second), and none or the file's own when nobody knows.
    std::vector<PuzzleGrid> solutions;
    PuzzleVerdict::Kind verdict = PuzzleVerdict::Kind::Unknown;
    Difficulty difficulty;
    PuzzleOrigin origin;
    // UTF-8; empty when there is none.
    std::string title, author, copyright, licence;
    // Cells shown decided from the start, (column, row), which the player cannot change: a
    // picture of the gallery may need a few for logic to finish it. Only a puzzle with one
    // solution has any.
    std::vector<std::pair<int, int>> givens;
    // A picture's colours, revealed when it is solved: 0xRRGGBB for each cell, row by row, -1
    // where the cell is empty; none for a puzzle that is no picture.
    std::vector<int> colours;

    int columns() const { return static_cast<int>(clues.columnClues.size()); }
    int rows() const { return static_cast<int>(clues.rowClues.size()); }
    // Whether exactly one picture fits and it is known, as Beginner and the hint's mending
    // need.
    bool hasOneSolution() const;
    // Its one solution, or an empty grid (width 0) when it has none for certain.
    PuzzleGrid oneSolution() const;
    // A blank board of its size with the givens entered as its one solution has them.
    PuzzleGrid startBoard() const;
    // A grade with that hardest technique and the work the techniques' solve does from the
    // start board, as the win screen tells it.
    Difficulty workFromStart(int hardestTechnique) const;
};

// Sixteen hex digits that stand for clue lists, the same on every machine, so that a puzzle
// is known again by its clues wherever it was opened from.
std::string clueFingerprint(const ClueSet& clues);
