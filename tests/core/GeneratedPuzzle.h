#pragma once

#include "ClueSet.h"
#include "PuzzleGenerator.h"
#include "PuzzleGrid.h"

#include <cstdlib>

// The puzzle the game makes after srand(seed): its solution and clues.
struct GeneratedPuzzle {
    PuzzleGrid solution;
    ClueSet clues;

    GeneratedPuzzle(unsigned seed, int columns, int rows)
    {
        std::srand(seed);
        PuzzleGrid board;
        PuzzleGenerator generator;
        generator.startGeneration(board, clues, columns, rows);
        while (!generator.generationStep(board, solution, clues)) { }
    }
};
