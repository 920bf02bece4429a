// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleChecks.h"

#include "CellState.h"
#include "ClueFit.h"
#include "ClueText.h"
#include "TextLines.h"

#include <algorithm>
#include <cstdlib>

namespace {

int lineOf(const std::vector<int>& lines, int index)
{
    return index >= 0 && index < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(index)] : 0;
}

std::string lineName(bool isRow, int index)
{
    return (isRow ? "row " : "column ") + std::to_string(index + 1);
}

// Lists a reader made are [0] or positive numbers; anything else would upset the board.
bool wellFormed(const std::vector<int>& list)
{
    if (list.empty())
        return false;
    if (list.size() == 1 && list.front() == 0)
        return true;
    for (int value : list)
        if (value <= 0)
            return false;
    return true;
}

bool sameRuns(const std::vector<int>& given, const std::vector<int>& pictured)
{
    if (given.size() != pictured.size())
        return false;
    for (std::size_t i = 0; i < given.size(); ++i)
        if (std::abs(given[i]) != pictured[i])
            return false;
    return true;
}

std::string goalProblem(const PuzzleFile& puzzle, const SourceLines& where)
{
    const PuzzleGrid& goal = puzzle.goal;
    const int columns = static_cast<int>(puzzle.clues.columnClues.size());
    const int rows = static_cast<int>(puzzle.clues.rowClues.size());
    if (goal.width != columns || goal.height != rows || static_cast<int>(goal.cells.size()) != goal.width)
        return "the solution the file gives is " + std::to_string(goal.width) + "x" + std::to_string(goal.height)
            + " cells, but its clues are for " + std::to_string(columns) + "x" + std::to_string(rows);
    for (const auto& column : goal.cells) {
        if (static_cast<int>(column.size()) != goal.height)
            return "the solution the file gives has columns of different lengths";
        for (int code : column)
            if (code != Filled && code != Crossed)
                return "the solution the file gives has undecided cells";
    }
    ClueSet pictured;
    pictured.computeFrom(goal);
    for (const bool isRow : {false, true}) {
        const auto& given = isRow ? puzzle.clues.rowClues : puzzle.clues.columnClues;
        const auto& fromGoal = isRow ? pictured.rowClues : pictured.columnClues;
        for (std::size_t i = 0; i < given.size(); ++i)
            if (!sameRuns(given[i], fromGoal[i]))
                return atLine(lineOf(isRow ? where.rows : where.columns, static_cast<int>(i)),
                    "the solution the file gives does not match its clues: " + lineName(isRow, static_cast<int>(i))
                        + " of the solution is " + clueReading(fromGoal[i]) + ", but its clue is "
                        + clueReading(given[i]));
    }
    return "";
}

std::string givensProblem(const PuzzleFile& puzzle)
{
    const int columns = static_cast<int>(puzzle.clues.columnClues.size());
    const int rows = static_cast<int>(puzzle.clues.rowClues.size());
    for (std::size_t i = 0; i < puzzle.givens.size(); ++i) {
        const auto [x, y] = puzzle.givens[i];
        const std::string cell = "column " + std::to_string(x + 1) + ", row " + std::to_string(y + 1);
        if (x >= columns || y >= rows)
            return "the cell it gives at " + cell + " lies off the " + std::to_string(columns) + "x"
                + std::to_string(rows) + " board";
        if (std::find(puzzle.givens.begin(), puzzle.givens.begin() + long(i), puzzle.givens[i])
            != puzzle.givens.begin() + long(i))
            return "it gives the cell at " + cell + " twice";
    }
    return "";
}

std::string puzzleProblem(const PuzzleFile& puzzle, const SourceLines& where)
{
    const ClueSet& clues = puzzle.clues;
    const long long columns = static_cast<long long>(clues.columnClues.size());
    const long long rows = static_cast<long long>(clues.rowClues.size());
    if (where.width >= 0 && columns != where.width)
        return "the file gives " + std::to_string(columns) + " column clues, but says the puzzle is "
            + std::to_string(where.width) + " wide";
    if (where.height >= 0 && rows != where.height)
        return "the file gives " + std::to_string(rows) + " row clues, but says the puzzle is "
            + std::to_string(where.height) + " high";
    for (const std::string& problem : {sideProblem(columns, true), sideProblem(rows, false)})
        if (!problem.empty())
            return problem;
    for (const bool isRow : {false, true}) {
        const auto& lists = isRow ? clues.rowClues : clues.columnClues;
        for (std::size_t i = 0; i < lists.size(); ++i)
            if (!wellFormed(lists[i]))
                return atLine(lineOf(isRow ? where.rows : where.columns, static_cast<int>(i)),
                    lineName(isRow, static_cast<int>(i)) + " has a clue the game cannot use");
    }

    const ClueFit fit = ClueFit::of(clues);
    if (fit.kind == ClueFit::Kind::LineTooShort) {
        const auto& list = fit.isRow ? clues.rowClues[static_cast<std::size_t>(fit.line)]
                                     : clues.columnClues[static_cast<std::size_t>(fit.line)];
        return atLine(lineOf(fit.isRow ? where.rows : where.columns, fit.line),
            lineName(fit.isRow, fit.line) + "'s clue " + clueReading(list) + " needs " + std::to_string(fit.cellsNeeded)
                + " cells, but the puzzle is " + std::to_string(fit.lineLength) + (fit.isRow ? " wide" : " high"));
    }
    if (fit.kind == ClueFit::Kind::TotalsDiffer)
        return "the columns fill " + std::to_string(fit.columnCells) + " cells and the rows "
            + std::to_string(fit.rowCells) + "; no picture fits both";

    if (puzzle.goal.width == 0 && puzzle.goal.height == 0)
        return puzzle.givens.empty() ? "" : "it gives cells at the start but no goal to take them from";
    if (const std::string problem = goalProblem(puzzle, where); !problem.empty())
        return problem;
    return givensProblem(puzzle);
}

} // namespace

std::string sideProblem(long long cells, bool wide, std::string_view shown)
{
    const std::string number = shown.empty() ? std::to_string(cells) : std::string(shown);
    const char* const side = wide ? " cells wide" : " cells high";
    if (cells < 1)
        return "a puzzle " + number + side + " has no cells";
    if (cells > largestPuzzleSide)
        return "a puzzle " + number + side + " is larger than the game takes (" + std::to_string(largestPuzzleSide)
            + " cells a side)";
    return "";
}

std::string sideProblem(const CountText& cells, bool wide)
{
    return cells.tooLarge ? sideProblem(largestPuzzleSide + 1LL, wide, cells.shown()) : sideProblem(cells.value, wide);
}

void checkPuzzle(PuzzleFileReading& reading, const SourceLines& where)
{
    if (!reading.read)
        return;
    const std::string problem = puzzleProblem(reading.puzzle, where);
    if (!problem.empty())
        reading = refusal(problem);
}

PuzzleFileReading refusal(const std::string& reason)
{
    PuzzleFileReading reading;
    reading.error = reason;
    return reading;
}
