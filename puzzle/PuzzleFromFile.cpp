// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleFromFile.h"

#include "CellState.h"
#include "PuzzleFile.h"
#include "PuzzleLogic.h"

namespace {

std::string fileName(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

Puzzle judgedPuzzle(const ClueSet& clues, std::chrono::milliseconds searchTime)
{
    Puzzle puzzle;
    puzzle.clues.columnClues = clues.columnClues;
    puzzle.clues.rowClues = clues.rowClues;
    PuzzleVerdict verdict = judgePuzzle(puzzle.clues, searchTime);
    puzzle.verdict = verdict.kind;
    puzzle.solutions = std::move(verdict.solutions);
    // Only a puzzle logic finishes has a hardest technique; grading any other would run What
    // If over the whole stuck board again.
    if (puzzle.verdict == PuzzleVerdict::Kind::Logic)
        puzzle.difficulty = gradeWithEveryTechnique(puzzle.clues);
    return puzzle;
}

Puzzle judgedPuzzle(const ClueSet& clues, const PuzzleGrid& goal, const std::vector<std::pair<int, int>>& givens,
    std::chrono::milliseconds searchTime)
{
    if (givens.empty())
        return judgedPuzzle(clues, searchTime);
    Puzzle puzzle;
    puzzle.clues.columnClues = clues.columnClues;
    puzzle.clues.rowClues = clues.rowClues;
    std::vector<unsigned char> start(std::size_t(goal.width) * std::size_t(goal.height), 0);
    for (const auto& [x, y] : givens)
        start[std::size_t(x + y * goal.width)] = goal.cells[std::size_t(x)][std::size_t(y)] == Filled ? 1 : 2;
    PuzzleVerdict verdict = judgePuzzle(puzzle.clues, start, searchTime);
    puzzle.verdict = verdict.kind;
    puzzle.solutions = std::move(verdict.solutions);
    if (puzzle.hasOneSolution())
        puzzle.givens = givens;
    if (puzzle.verdict == PuzzleVerdict::Kind::Logic) {
        // The work logic does from the givens, as the win screen tells it.
        PuzzleGrid board = puzzle.startBoard();
        ClueSet working = puzzle.clues;
        PuzzleLogic logic;
        logic.solve(board, working);
        puzzle.difficulty = {verdict.hardestTechnique, logic.lastRecord().deductions, logic.lastRecord().sweeps};
    }
    return puzzle;
}

Puzzle puzzleFromFile(const PuzzleFile& file, const std::string& path, std::chrono::milliseconds searchTime)
{
    Puzzle puzzle = judgedPuzzle(file.clues, file.goal, file.givens, searchTime);
    // Unsettled, the file's own picture is still one that fits.
    if (puzzle.solutions.empty() && puzzle.verdict == PuzzleVerdict::Kind::Unknown && file.goal.width > 0)
        puzzle.solutions.push_back(file.goal);
    puzzle.origin.kind = PuzzleOrigin::Kind::File;
    puzzle.origin.place = path;
    puzzle.title = file.title.empty() ? fileName(path) : file.title;
    puzzle.author = file.author;
    puzzle.copyright = file.copyright;
    puzzle.licence = file.licence;
    return puzzle;
}
