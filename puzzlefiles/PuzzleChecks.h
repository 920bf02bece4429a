// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClueText.h"
#include "PuzzleFile.h"

#include <string>
#include <string_view>
#include <vector>

// Where a reader found what it read, so that the checks can name the file's lines.
struct SourceLines {
    // The line of each column's and row's clue list; missing or 0 where the format has none.
    std::vector<int> columns;
    std::vector<int> rows;
    // The size the file says the puzzle has, -1 where its lists alone give the size.
    int width = -1;
    int height = -1;
};

// Why a puzzle this many cells wide (wide) or high (!wide) cannot be played, or "" when it
// can; shown replaces the number in the reason (a file's digits too large to convert).
std::string sideProblem(long long cells, bool wide, std::string_view shown = {});
// The same for a size as the file writes it.
std::string sideProblem(const CountText& cells, bool wide);

// The checks every format's puzzle passes once read, so that no format can let through what
// another refuses: each side 1 to largestPuzzleSide cells, a list for every line the file's
// size has, every clue fitting its line, columns and rows filling as many cells, and the
// solution, if any, giving exactly the clues. A reading that fails becomes a refusal with
// the reason; a refusal stays as it is.
void checkPuzzle(PuzzleFileReading& reading, const SourceLines& where);

// A refusal with this reason.
PuzzleFileReading refusal(const std::string& reason);
