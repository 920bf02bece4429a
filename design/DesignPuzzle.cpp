// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignPuzzle.h"

#include "CellState.h"
#include "CodeAlphabet.h"
#include "DesignCode.h"
#include "DesignVerdict.h"

#include <cstdio>

namespace {

PuzzleGrid gridOf(const std::vector<unsigned char>& cells, int width, int height)
{
    PuzzleGrid grid;
    grid.resize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.cells[std::size_t(x)][std::size_t(y)] = cells[std::size_t(x + y * width)];
    return grid;
}

} // namespace

std::string designId(const Design& design)
{
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", unsigned(CodeAlphabet::hashOf(DesignCode::of(design))));
    return std::string("design-") + hex;
}

GalleryPicture designPicture(const Design& design, int technique)
{
    GalleryPicture picture;
    picture.id = designId(design);
    picture.album = designAlbum;
    picture.columns = design.columns;
    picture.rows = design.rows;
    picture.technique = technique;
    picture.palette = {designInk};
    for (const unsigned char cell : design.cells)
        picture.colours.push_back(cell ? 0 : -1);
    picture.givens = design.givens;
    picture.titles.fill(design.title);
    return picture;
}

Puzzle designPuzzle(const Design& design, std::chrono::milliseconds searchTime)
{
    Puzzle puzzle;
    puzzle.clues = design.clues();
    const PuzzleGrid picture = design.picture();
    DesignVerdict verdict;
    verdict.start(design);
    const auto until = std::chrono::steady_clock::now() + searchTime;
    while (!verdict.judged() && std::chrono::steady_clock::now() < until)
        verdict.advance(until);
    switch (verdict.finding()) {
    case DesignVerdict::Finding::Empty:
    case DesignVerdict::Finding::Logic: puzzle.verdict = PuzzleVerdict::Kind::Logic; break;
    case DesignVerdict::Finding::Guess: puzzle.verdict = PuzzleVerdict::Kind::Guess; break;
    case DesignVerdict::Finding::Several: puzzle.verdict = PuzzleVerdict::Kind::Several; break;
    default: puzzle.verdict = PuzzleVerdict::Kind::Unknown; break;
    }
    // The author's picture always fits; whether it is the only one is the verdict's.
    puzzle.solutions = {picture};
    if (puzzle.verdict == PuzzleVerdict::Kind::Several)
        puzzle.solutions.push_back(gridOf(verdict.otherPicture(), design.columns, design.rows));
    if (puzzle.hasOneSolution())
        puzzle.givens = design.givens;
    if (puzzle.verdict == PuzzleVerdict::Kind::Logic)
        puzzle.difficulty = puzzle.workFromStart(verdict.hardestTechnique());
    puzzle.origin.kind = PuzzleOrigin::Kind::Gallery;
    puzzle.origin.place = designId(design);
    puzzle.title = design.title;
    puzzle.author = design.author;
    puzzle.licence = design.licence;
    for (const unsigned char cell : design.cells)
        puzzle.colours.push_back(cell ? int(designInk) : -1);
    return puzzle;
}

std::optional<Design> designFromPuzzle(const Puzzle& puzzle)
{
    if (puzzle.solutions.empty() || !designSideFits(puzzle.columns()) || !designSideFits(puzzle.rows()))
        return std::nullopt;
    Design design = Design::of(puzzle.solutions.front());
    design.givens = puzzle.givens;
    design.title = puzzle.title;
    design.author = puzzle.author;
    if (!puzzle.licence.empty())
        design.licence = puzzle.licence;
    return design;
}
