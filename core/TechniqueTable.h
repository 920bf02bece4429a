// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Every technique the solver and the hints know, in the order they are tried: the seven
// edge-anchored line techniques (numbered as LineSolver::Technique), then Arrangements, the
// complete line technique, then What If, which tries one cell both ways on the whole board.
// Numbers are what the solver reports; the key names it in the statistics and is the anchor
// of its help section; a technique added here is known to the solver's record, the hints, the
// statistics, the game's words and the help at once.
struct Technique {
    enum class Kind {
        Line, // reads one line and its clue
        Cell, // assumes a value for one cell and reads the whole board
    };
    int number;
    const char* name; // in English, as the player reads it
    const char* key; // the name without spaces, for settings keys and link targets
    Kind kind;
};

constexpr int arrangementsTechnique = 8;
constexpr int whatIfTechnique = 9;

// techniqueTable()[i] has number i + 1.
const Technique* techniqueTable();
constexpr int techniqueCount = whatIfTechnique;

// The entry of a technique number; nullptr for 0 or any number no technique has.
const Technique* findTechnique(int number);
