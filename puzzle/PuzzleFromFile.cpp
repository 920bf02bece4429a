// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleFromFile.h"

#include "PuzzleFile.h"

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

Puzzle judgedPuzzle(const PuzzleFile& file, std::chrono::milliseconds searchTime)
{
    if (file.givens.empty())
        return judgedPuzzle(file.clues, searchTime);
    Puzzle puzzle;
    puzzle.clues.columnClues = file.clues.columnClues;
    puzzle.clues.rowClues = file.clues.rowClues;
    PuzzleVerdict verdict = judgePuzzle(puzzle.clues, givenCells(file), searchTime);
    puzzle.verdict = verdict.kind;
    puzzle.solutions = std::move(verdict.solutions);
    if (puzzle.hasOneSolution())
        puzzle.givens = file.givens;
    if (puzzle.verdict == PuzzleVerdict::Kind::Logic)
        puzzle.difficulty = puzzle.workFromStart(verdict.hardestTechnique);
    return puzzle;
}

Puzzle puzzleFromFile(const PuzzleFile& file, const std::string& path, std::chrono::milliseconds searchTime)
{
    Puzzle puzzle = judgedPuzzle(file, searchTime);
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
