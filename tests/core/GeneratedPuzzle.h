// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueSet.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"

// The puzzle the game makes from a seed: its solution and clues.
struct GeneratedPuzzle {
    PuzzleGrid solution;
    ClueSet clues;

    GeneratedPuzzle(unsigned seed, int columns, int rows)
    {
        PuzzleGrid board;
        PuzzleGenerator generator;
        generator.startGeneration(board, clues, columns, rows, seed);
        while (!generator.generationStep(board, solution, clues)) { }
    }
};
