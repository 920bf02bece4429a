// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds bytes to the reader of the puzzle files players bring, under the name of each format
// and under a name that leaves the format to the text. What it accepts must be a puzzle the
// game can lay out and play: a size it takes, a list for every line, every list fitting its
// line, columns and rows filling as many cells, a solution (if any) giving exactly the
// clues, and the same puzzle again once written as .non and read back. What it refuses must
// say why, briefly, and leave no puzzle behind.
#include "CellState.h"
#include "ClueFit.h"
#include "FuzzChecks.h"
#include "NonFormat.h"
#include "PuzzleFileReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char* const fileNames[] = {"puzzle.non", "puzzle.nin", "puzzle.xml", "puzzle.g", "puzzle.mk", "puzzle"};

void requireConsistent(const PuzzleFile& puzzle)
{
    const ClueSet& clues = puzzle.clues;
    const int columns = int(clues.columnClues.size());
    const int rows = int(clues.rowClues.size());
    require(columns >= 1 && columns <= largestPuzzleSide && rows >= 1 && rows <= largestPuzzleSide,
        "a size the game does not take");
    for (const auto* lists : {&clues.columnClues, &clues.rowClues})
        for (const auto& clue : *lists)
            for (int value : clue)
                require(value >= 0, "a signed clue from a file");
    for (const auto& clue : clues.columnClues)
        require(fitsLine(clue, rows), "a column clue that cannot fit");
    for (const auto& clue : clues.rowClues)
        require(fitsLine(clue, columns), "a row clue that cannot fit");
    require(ClueFit::of(clues).kind == ClueFit::Kind::Fits, "columns and rows that fill different numbers of cells");

    const PuzzleGrid& goal = puzzle.goal;
    if (goal.width == 0) {
        require(goal.height == 0 && goal.cells.empty(), "half a solution");
        return;
    }
    require(goal.width == columns && goal.height == rows && int(goal.cells.size()) == columns,
        "a solution of another size");
    for (const auto& column : goal.cells) {
        require(int(column.size()) == rows, "a solution column of another length");
        for (int code : column)
            require(code == Filled || code == Crossed, "an undecided solution cell");
    }
    ClueSet pictured;
    pictured.computeFrom(goal);
    require(pictured.columnClues == clues.columnClues && pictured.rowClues == clues.rowClues,
        "a solution that does not give the clues");
}

void requireSame(const PuzzleFile& again, const PuzzleFile& puzzle)
{
    require(again.title == puzzle.title && again.author == puzzle.author && again.copyright == puzzle.copyright
            && again.licence == puzzle.licence,
        "a text written as .non that reads back otherwise");
    require(again.clues.columnClues == puzzle.clues.columnClues && again.clues.rowClues == puzzle.clues.rowClues,
        "clues written as .non that read back otherwise");
    require(again.goal.width == puzzle.goal.width && again.goal.height == puzzle.goal.height
            && again.goal.cells == puzzle.goal.cells,
        "a solution written as .non that reads back otherwise");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const char* name : fileNames) {
        const PuzzleFileReading reading = readPuzzleFile(name, bytes);
        if (!reading.read) {
            require(!reading.error.empty(), "a refusal without a reason");
            // Quoting the file is bounded, so no file makes a long reason.
            require(reading.error.size() < 400, "a reason too long for a message box");
            require(reading.puzzle.clues.columnClues.empty() && reading.puzzle.clues.rowClues.empty()
                    && reading.puzzle.goal.width == 0,
                "a refusal that keeps part of a puzzle");
            continue;
        }
        require(reading.error.empty(), "a puzzle read with a reason to refuse it");
        requireConsistent(reading.puzzle);
        const PuzzleFileReading again = readNon(writeNon(reading.puzzle));
        require(again.read, "a puzzle written as .non that does not read back");
        requireSame(again.puzzle, reading.puzzle);
    }
    return 0;
}
