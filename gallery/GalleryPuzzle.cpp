// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryPuzzle.h"


Puzzle galleryPuzzle(const GalleryPicture& picture, const std::string& language)
{
    Puzzle puzzle;
    const PuzzleGrid solution = picture.solution();
    puzzle.clues.computeFrom(solution);
    puzzle.solutions = {solution};
    // The maker kept only what logic finishes from its givens.
    puzzle.verdict = PuzzleVerdict::Kind::Logic;
    puzzle.difficulty.hardestTechnique = picture.technique;
    puzzle.origin.kind = PuzzleOrigin::Kind::Gallery;
    puzzle.origin.place = picture.id;
    puzzle.title = picture.title(language);
    puzzle.author = "Fluent Emoji";
    puzzle.copyright = "Copyright (c) Microsoft Corporation";
    puzzle.licence = "MIT";
    puzzle.givens = picture.givens;
    puzzle.difficulty = puzzle.workFromStart(picture.technique);
    for (const int index : picture.colours)
        puzzle.colours.push_back(index < 0 ? -1 : int(picture.palette[std::size_t(index)] & 0xffffffu));
    return puzzle;
}
