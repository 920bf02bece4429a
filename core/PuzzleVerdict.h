// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueFit.h"
#include "PuzzleGrid.h"

#include <chrono>
#include <vector>

class ClueSet;

// What can honestly be said of any clues: whether logic alone finishes them, and otherwise
// whether they have one picture, several or none.
struct PuzzleVerdict {
    enum class Kind {
        Logic, // the techniques finish it: one picture, found without guessing
        Guess, // one picture, but logic stalls: a search proved there is no other
        Several, // two pictures fit (both kept)
        None, // no picture fits
        Unknown, // the search ran out of time
    };
    Kind kind = Kind::Unknown;
    // For Logic, the hardest technique it needs (see Difficulty); 0 otherwise.
    int hardestTechnique = 0;
    // The picture for Logic and Guess, two for Several, none otherwise.
    std::vector<PuzzleGrid> solutions;
    // Why no picture fits when counting alone shows it; Fits when the lines or the search did.
    ClueFit fit;
};

// "logic", "guess", "several", "none", "unknown".
const char* verdictWord(PuzzleVerdict::Kind kind);

// Judges clues (stored lists, one per column and per row) from a blank board. Past the lines,
// What If and then the search share the time given: what they have not settled by then is
// Unknown.
PuzzleVerdict judgePuzzle(const ClueSet& clues, std::chrono::milliseconds searchTime);
// The same from a board some of whose cells are decided at the start (flat, x + y * width:
// 0, Filled or Crossed), as a picture's given cells are; logic's hardest technique is then the
// one the techniques' solve from that board needs.
PuzzleVerdict judgePuzzle(
    const ClueSet& clues, const std::vector<unsigned char>& start, std::chrono::milliseconds searchTime);
