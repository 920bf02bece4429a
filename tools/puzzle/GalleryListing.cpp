// SPDX-License-Identifier: GPL-3.0-or-later
#include "GalleryListing.h"

#include "GalleryFile.h"
#include "GalleryPuzzle.h"
#include "PuzzleLogic.h"
#include "PuzzleVerdict.h"
#include "TechniqueTable.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// The shipped gallery, as the game finds it beside its other pictures.
constexpr const char* shippedGallery = "Pictures/gallery.tsv";

// "logic" when logic finishes the picture from its givens, to the picture itself; "guess"
// when it stops short.
const char* verdictOf(const GalleryPicture& picture)
{
    // The puzzle as the game plays it, from the board it starts with.
    const Puzzle puzzle = galleryPuzzle(picture, "en");
    PuzzleGrid board = puzzle.startBoard();
    ClueSet clues = puzzle.clues;
    PuzzleLogic logic;
    if (!logic.solve(board, clues))
        return verdictWord(PuzzleVerdict::Kind::Guess);
    return board.cells == puzzle.solutions.front().cells ? verdictWord(PuzzleVerdict::Kind::Logic)
                                                         : verdictWord(PuzzleVerdict::Kind::None);
}

} // namespace

int galleryListing(int argc, char** argv)
{
    bool check = false;
    std::string path = shippedGallery;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--check")
            check = true;
        else
            path = argument;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << path << ": cannot be read\n";
        return 1;
    }
    std::ostringstream text;
    text << file.rdbuf();
    const GalleryReading reading = readGallery(text.str());
    if (!reading.error.empty()) {
        std::cerr << path << ": " << reading.error << '\n';
        return 1;
    }
    int status = 0;
    for (const GalleryPicture& picture : reading.pictures) {
        const std::string size = std::to_string(picture.columns) + 'x' + std::to_string(picture.rows);
        if (check) {
            const std::string verdict = verdictOf(picture);
            std::cout << picture.id << '\t' << size << '\t' << verdict << '\n';
            status |= verdict != "logic";
            continue;
        }
        const Technique* technique = findTechnique(picture.technique);
        std::cout << picture.id << '\t' << picture.album << '\t' << size << '\t'
                  << (technique ? technique->name : "none") << '\t' << picture.givens.size() << '\t'
                  << picture.titles[0] << '\n';
    }
    return status;
}
