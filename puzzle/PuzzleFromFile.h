// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Puzzle.h"

#include <chrono>
#include <string>

struct PuzzleFile;

// How long opening a file may search for a second solution once logic stalls; a puzzle the
// search does not settle in that time is Unknown, and is played without Beginner.
constexpr std::chrono::milliseconds fileSearchTime {1500};

// Clues judged into a puzzle: its verdict, the solutions found and, when logic finishes it,
// its grade; no origin or texts yet.
Puzzle judgedPuzzle(const ClueSet& clues, std::chrono::milliseconds searchTime);
// A file's clues judged from the cells it gives at the start, which are the puzzle's when one
// picture fits.
Puzzle judgedPuzzle(const PuzzleFile& file, std::chrono::milliseconds searchTime);

// The puzzle a file gave, judged: its verdict, solutions and grade, its texts, and the path it
// was opened from as its origin. Untitled, it takes the file's name without its folder.
Puzzle puzzleFromFile(const PuzzleFile& file, const std::string& path, std::chrono::milliseconds searchTime);
