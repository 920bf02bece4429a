// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleVerdict.h"

#include "CellState.h"
#include "ClueSet.h"
#include "Difficulty.h"
#include "LinePropagator.h"
#include "PuzzleLogic.h"
#include "SolutionSearch.h"
#include "TechniqueTable.h"
#include "WhatIf.h"

#include <algorithm>

namespace {

PuzzleGrid gridOf(const std::vector<unsigned char>& cells, int width, int height)
{
    PuzzleGrid grid;
    grid.resize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.cells[size_t(x)][size_t(y)] = cells[size_t(x + y * width)];
    return grid;
}

bool decided(const std::vector<unsigned char>& cells)
{
    return std::find(cells.begin(), cells.end(), 0) == cells.end();
}

// The technique the techniques' solve from a board with cells decided needs at the hardest.
int hardestFrom(const ClueSet& clues, const std::vector<unsigned char>& start)
{
    PuzzleGrid board = gridOf(start, int(clues.columnClues.size()), int(clues.rowClues.size()));
    ClueSet working = clues;
    PuzzleLogic logic;
    logic.solve(board, working);
    return logic.lastRecord().highestTechnique;
}

} // namespace

const char* verdictWord(PuzzleVerdict::Kind kind)
{
    switch (kind) {
    case PuzzleVerdict::Kind::Logic: return "logic";
    case PuzzleVerdict::Kind::Guess: return "guess";
    case PuzzleVerdict::Kind::Several: return "several";
    case PuzzleVerdict::Kind::None: return "none";
    case PuzzleVerdict::Kind::Unknown: break;
    }
    return "unknown";
}

PuzzleVerdict judgePuzzle(const ClueSet& clues, std::chrono::milliseconds searchTime)
{
    return judgePuzzle(clues, std::vector<unsigned char>(clues.columnClues.size() * clues.rowClues.size(), 0), searchTime);
}

PuzzleVerdict judgePuzzle(
    const ClueSet& clues, const std::vector<unsigned char>& start, std::chrono::milliseconds searchTime)
{
    PuzzleVerdict verdict;
    verdict.fit = ClueFit::of(clues);
    if (verdict.fit.kind != ClueFit::Kind::Fits) {
        verdict.kind = PuzzleVerdict::Kind::None;
        return verdict;
    }
    const int width = int(clues.columnClues.size());
    const int height = int(clues.rowClues.size());
    LinePropagator lines;
    lines.setClues(clues);
    std::vector<unsigned char> cells = start;
    if (!lines.propagate(cells)) {
        verdict.kind = PuzzleVerdict::Kind::None;
        return verdict;
    }
    // Lines alone find every cell the seven find and more, so only a board they finish can
    // be one the seven finish.
    if (decided(cells)) {
        verdict.kind = PuzzleVerdict::Kind::Logic;
        const bool blank = std::all_of(start.begin(), start.end(), [](unsigned char cell) { return cell == 0; });
        verdict.hardestTechnique = !blank ? hardestFrom(clues, start)
            : sevenTechniquesFinish(clues)  ? gradePuzzle(clues).hardestTechnique
                                            : arrangementsTechnique;
        verdict.solutions.push_back(gridOf(cells, width, height));
        return verdict;
    }
    // What If on a large board that logic cannot finish may try every cell many times over:
    // it, too, keeps to the time given.
    const auto deadline = std::chrono::steady_clock::now() + searchTime;
    WhatIf whatIf;
    whatIf.setDeadline(deadline);
    if (!whatIf.solve(lines, cells)) {
        verdict.kind = PuzzleVerdict::Kind::None;
        return verdict;
    }
    if (whatIf.outOfTime()) {
        verdict.kind = PuzzleVerdict::Kind::Unknown;
        return verdict;
    }
    if (decided(cells)) {
        verdict.kind = PuzzleVerdict::Kind::Logic;
        verdict.hardestTechnique = whatIfTechnique;
        verdict.solutions.push_back(gridOf(cells, width, height));
        return verdict;
    }

    SolutionSearch search;
    search.start(lines, cells);
    search.setDeadline(deadline);
    while (!search.advance(1) && std::chrono::steady_clock::now() < deadline) { }
    for (const auto& found : search.solutions())
        verdict.solutions.push_back(gridOf(found, width, height));
    const size_t found = search.solutions().size();
    if (found >= 2)
        verdict.kind = PuzzleVerdict::Kind::Several;
    else if (!search.finished())
        verdict.kind = PuzzleVerdict::Kind::Unknown;
    else
        verdict.kind = found == 1 ? PuzzleVerdict::Kind::Guess : PuzzleVerdict::Kind::None;
    if (verdict.kind == PuzzleVerdict::Kind::Unknown)
        verdict.solutions.clear();
    return verdict;
}
