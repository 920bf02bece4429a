// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResumableGame.h"

#include "CellState.h"
#include "GameMode.h"
#include "LogicSolver.h"
#include "PuzzleFromFile.h"

#include <cstdlib>

namespace {

bool sameRuns(const std::vector<std::vector<int>>& saved, const std::vector<std::vector<int>>& computed)
{
    if (saved.size() != computed.size())
        return false;
    for (size_t line = 0; line < saved.size(); ++line) {
        if (saved[line].size() != computed[line].size())
            return false;
        for (size_t i = 0; i < saved[line].size(); ++i)
            if (std::abs(saved[line][i]) != computed[line][i])
                return false;
    }
    return true;
}

// The same test Beginner applies to each move: an entered cell must be what the solution holds.
bool agreesWithSolution(const SavedGame& game, const PuzzleGrid& solution)
{
    for (const SavedGame::Cell& cell : game.cells)
        if (cell.code != solution.cells[cell.x][cell.y])
            return false;
    return true;
}

// The puzzle of the second form, judged from its clues as when it was opened; a picture of the
// gallery only named.
bool judgeKept(ResumableGame& read)
{
    const SavedGame::Origin& origin = read.saved.origin;
    ClueSet unsignedClues = read.clues;
    for (auto* lists : {&unsignedClues.columnClues, &unsignedClues.rowClues})
        for (std::vector<int>& clue : *lists)
            for (int& run : clue)
                run = std::abs(run);
    Puzzle& puzzle = read.puzzle;
    // A picture of the gallery is the gallery's to give back, givens and all: its clues alone
    // may fit several pictures.
    const bool picture = PuzzleOrigin::Kind(origin.kind) == PuzzleOrigin::Kind::Gallery;
    if (picture) {
        puzzle = {};
        puzzle.clues = unsignedClues;
    } else {
        puzzle = judgedPuzzle(unsignedClues, fileSearchTime);
    }
    if (puzzle.verdict == PuzzleVerdict::Kind::None)
        return false;
    puzzle.origin.kind = PuzzleOrigin::Kind(origin.kind);
    if (const std::optional<PuzzleCode> code = PuzzleCode::read(origin.code.toStdString()))
        puzzle.origin.code = *code;
    puzzle.origin.place = origin.place.toStdString();
    puzzle.title = origin.title.toStdString();
    puzzle.author = origin.author.toStdString();
    puzzle.copyright = origin.copyright.toStdString();
    puzzle.licence = origin.licence.toStdString();
    read.solution = puzzle.oneSolution();
    return picture || read.saved.mode != Beginner || puzzle.hasOneSolution();
}

// The first form's generated puzzle: the seven techniques solve it, to the clues it gives.
bool solveGenerated(ResumableGame& read, LogicSolver& solver)
{
    read.solution.resize(read.saved.columns, read.saved.rows);
    if (!solver.solve(read.solution, read.clues))
        return false;
    ClueSet given;
    given.computeFrom(read.solution);
    return sameRuns(read.saved.columnClues, given.columnClues) && sameRuns(read.saved.rowClues, given.rowClues);
}

} // namespace

bool ResumableGame::read(const QByteArray& bytes, LogicSolver& solver, ResumableGame& game)
{
    ResumableGame read;
    if (!SavedGame::decode(bytes, read.saved))
        return false;
    read.clues.columnClues = read.saved.columnClues;
    read.clues.rowClues = read.saved.rowClues;
    if (!(read.saved.inFirstForm() ? solveGenerated(read, solver) : judgeKept(read)))
        return false;
    // A picture's solution is the gallery's, which the window looks up.
    if (read.saved.mode == Beginner && read.solution.width > 0 && !agreesWithSolution(read.saved, read.solution))
        return false;
    read.board.resize(read.saved.columns, read.saved.rows);
    for (const SavedGame::Cell& cell : read.saved.cells)
        read.board.cells[cell.x][cell.y] = cell.code;
    game = std::move(read);
    return true;
}
