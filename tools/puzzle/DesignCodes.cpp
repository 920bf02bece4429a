// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignCodes.h"

#include "PuzzleInput.h"
#include "PuzzleText.h"

#include "CellState.h"
#include "Design.h"
#include "DesignCode.h"
#include "DesignPuzzle.h"
#include "DesignVerdict.h"
#include "PuzzleVerdict.h"
#include "TechniqueNames.h"

#include <iostream>
#include <optional>
#include <string>
#include <utility>

namespace {

int fail(const std::string& why)
{
    std::cerr << "tessarin-puzzle: " << why << '\n';
    return 1;
}

std::string sideRange()
{
    return "a design is " + std::to_string(Design::smallestSide) + " to " + std::to_string(Design::largestSide)
        + " cells a side";
}

std::string problemText(DesignCode::Problem problem)
{
    switch (problem) {
    case DesignCode::Problem::NotADesign: return "it does not start with a size such as 10x10 and \"-D-\"";
    case DesignCode::Problem::SizeOutOfRange: return sideRange();
    case DesignCode::Problem::BadCharacter:
        return "after \"-D-\" it has a character no code has: digits and the letters but U (I and L are read as 1, "
               "O as 0), and one dash before the cells given";
    case DesignCode::Problem::WrongLength:
        return "after \"-D-\" it has too few or too many letters and digits for its size";
    case DesignCode::Problem::WrongCheck:
        return "its check digit (the last letter or digit) does not fit the others: one is mistyped, or two are "
               "swapped";
    case DesignCode::Problem::BadGiven: return "a cell it gives lies off the picture, or is given twice";
    case DesignCode::Problem::None: break;
    }
    return "";
}

// Why the clues give no one picture, for a file without a goal of its own.
std::string noOnePicture(PuzzleVerdict::Kind verdict)
{
    switch (verdict) {
    case PuzzleVerdict::Kind::Several:
        return "more than one picture fits its clues, and it gives none of them as its goal";
    case PuzzleVerdict::Kind::None: return "no picture fits its clues";
    case PuzzleVerdict::Kind::Unknown:
        return "the search could not tell in " + std::to_string(DesignVerdict::searchTime.count())
            + " seconds whether one picture fits its clues or more";
    case PuzzleVerdict::Kind::Logic:
    case PuzzleVerdict::Kind::Guess: break;
    }
    return "";
}

// "givens: column 3, row 1; column 7, row 10", as the game names cells.
std::string givenLine(const Design& design)
{
    std::string line = "givens:";
    for (std::size_t i = 0; i < design.givens.size(); ++i)
        line += std::string(i ? ";" : "") + " column " + std::to_string(design.givens[i].first + 1) + ", row "
            + std::to_string(design.givens[i].second + 1);
    return line;
}

} // namespace

int encodeDesign(const std::string& path)
{
    const std::string name = path == "-" ? "standard input" : path;
    PuzzleFile file;
    std::string error;
    if (!readPuzzleInput(path, file, error))
        return fail("cannot read " + name + ": " + error);
    const int columns = int(file.clues.columnClues.size());
    const int rows = int(file.clues.rowClues.size());
    // Before any search: a board of hundreds of cells a side could keep it busy for nothing.
    if (!designSideFits(columns) || !designSideFits(rows))
        return fail(sideRange() + "; " + name + " is " + std::to_string(columns) + "x" + std::to_string(rows));
    PuzzleGrid picture = file.goal;
    if (picture.width == 0) {
        // Searching as long as the designer will when the code is opened.
        PuzzleVerdict verdict = judgePuzzle(file.clues, DesignVerdict::searchTime);
        if (verdict.kind != PuzzleVerdict::Kind::Logic && verdict.kind != PuzzleVerdict::Kind::Guess)
            return fail(name + " has no one picture: " + noOnePicture(verdict.kind));
        picture = std::move(verdict.solutions.front());
    }
    Design design = Design::of(picture);
    design.givens = file.givens;
    std::cout << DesignCode::of(design) << '\n';
    return 0;
}

int showDesign(const std::string& code)
{
    DesignCode::Problem problem = DesignCode::Problem::None;
    const std::optional<Design> design = DesignCode::read(code, problem);
    if (!design)
        return fail("\"" + code + "\" is not a design's code: " + problemText(problem));
    const Puzzle puzzle = designPuzzle(*design, DesignVerdict::searchTime);
    std::cout << "size " << design->columns << 'x' << design->rows << " design\n";
    std::cout << "code " << DesignCode::of(*design) << '\n';
    std::cout << "verdict " << verdictWord(puzzle.verdict);
    if (puzzle.verdict == PuzzleVerdict::Kind::Logic) {
        const Difficulty& difficulty = puzzle.difficulty;
        std::cout << ", " << (difficulty.hardestTechnique ? techniqueName(difficulty.hardestTechnique) : "none") << ", "
                  << difficulty.deductions << " deductions in " << difficulty.sweeps << " sweeps";
    }
    std::cout << '\n' << PuzzleText::board(design->picture()) << PuzzleText::clueLines(puzzle.clues);
    if (!design->givens.empty())
        std::cout << givenLine(*design) << '\n';
    return 0;
}
