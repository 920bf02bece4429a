// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Difficulty.h"

// The difficulties a player can ask for, in plain words, easiest first. Each is a band of
// puzzles: those whose hardest technique is at most the band's and whose run with the seven
// techniques took at most its number of sweeps for each cell of the board's longer side (a
// long chain of sweeps means lines that only open up one after another), and that no easier
// band holds. So the bands divide every puzzle between them, and Very Hard holds exactly the
// puzzles that need What If.
//
// The large sizes' generator aims at a band with pictures of its own kind: shapes of about
// the longer side over smoothingDivisor cells across (larger shapes, easier lines), mirrored
// or not, and tested by the lines or by What If.
struct DifficultyBand {
    const char* name; // in English, as the player reads it
    const char* key; // the name without spaces, for settings and score keys
    char letter; // in puzzle codes
    int hardestTechnique;
    double mostSweepsPerSide;
    int smoothingDivisor;
    bool mirrored;
    bool needsWhatIf;
};

constexpr int difficultyBandCount = 4;
// difficultyBands()[0 .. difficultyBandCount - 1], Easy to Very Hard.
const DifficultyBand* difficultyBands();

// The band that holds a puzzle of that size and grade.
int bandOf(const Difficulty& difficulty, int columns, int rows);
// The band with that key, or with that code letter in either case; -1 for none.
int findBand(const char* key);
int bandOfLetter(char letter);
